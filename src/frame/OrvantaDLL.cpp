#include "orvanta/frame/OrvantaDLL.hpp"

#include <string>

namespace Orvanta {

OrvantaDLL::OrvantaDLL(const wchar_t* name, HINSTANCE handle) : Module(name, handle) {}

OrvantaDLL::~OrvantaDLL() { FreeModule(Handle()); }

OrvantaDLL* OrvantaDLL::Instance() {
  static const std::wstring name = L"Orvanta.dll";
  static OrvantaDLL module(name.c_str(), LoadModule(name.c_str()));
  return &module;
}

}  // namespace Orvanta
