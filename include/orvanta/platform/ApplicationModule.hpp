// ApplicationModule: the module of the host program's executable, and the
// questions and warnings the program puts to its user.
//
//   Orvanta::ApplicationModule program(L"Sections", nullptr);
//   if (program.YesNoBox(L"Delete 'Wall 1'?", Orvanta::MessageBoxIconQuestion) ==
//       Orvanta::AnswerYes) { ... }
//
// Both boxes go through the message-box handler (MessageBox.hpp), with the
// module's name as their caption.
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Module.hpp"

namespace Orvanta {

class ORVANTA_API ApplicationModule : public Module {
 public:
  // The running executable, named after its file (without the extension).
  ApplicationModule();
  // The running executable under the program's own name; `instance` is the
  // executable's handle, nullptr on systems without one.
  ApplicationModule(const std::wstring& name, HINSTANCE instance);
  ~ApplicationModule() override;

  // Shows a warning with an Ok button.
  void ExclamationBox(const std::wstring& text) const;
  // Asks a yes/no question; `style` adds MessageBoxStyle flags (an icon).
  // Returns AnswerYes or AnswerNo.
  int YesNoBox(const std::wstring& text, int style) const;
};

}  // namespace Orvanta
