#include "orvanta/platform/Module.hpp"

#include "Backend.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {

Module::Module(const wchar_t* name, HINSTANCE handle)
    : name_(name != nullptr ? name : L""), handle_(handle) {}

Module::~Module() = default;

std::wstring Module::LoadStringW(unsigned int id) const {
  std::wstring text;
  sys::LoadModuleString(handle_, id, text);
  return text;
}

std::wstring Module::FileName() const { return sys::ModuleFileName(handle_); }

wpath Module::BranchPath() const { return wstring_to_path(FileName()).parent_path(); }

HINSTANCE LoadModule(const wchar_t* name) { return sys::LoadModule(name); }

void(FreeModule)(HINSTANCE handle) noexcept { sys::FreeModule(handle); }

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/Module.inc"
#else
#include "Unix/Module.inc"
#endif
