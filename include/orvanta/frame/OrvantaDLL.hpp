// OrvantaDLL: the library's own module, through which every text of its string
// table (and every bitmap, cursor and sound it carries) is fetched.
//
//   std::wstring text = Orvanta::OrvantaDLL::Instance()->LoadStringW(1950);
//   Orvanta::ReplaceTag(text, L"<Path/>", L"/home/ann/Projects/Bridge.xml");
//   // "The project at '/home/ann/Projects/Bridge.xml' has been opened"
//
// Texts not in the table load as empty strings.
#pragma once

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Module.hpp"

namespace Orvanta {

class ORVANTA_API OrvantaDLL : public Module {
 public:
  OrvantaDLL(const wchar_t* name, HINSTANCE handle);
  // Gives back the module reference that Instance() took.
  ~OrvantaDLL() override;
  OrvantaDLL(const OrvantaDLL&) = delete;
  OrvantaDLL& operator=(const OrvantaDLL&) = delete;

  // The one module object, made on the first call (named "Orvanta.dll") and
  // kept until the library is unloaded. Takes no lock: make the first call
  // from one thread, before others use the library; later calls may come from
  // any thread.
  static OrvantaDLL* Instance();
};

}  // namespace Orvanta
