// The Windows headers as the Windows backend includes them: Unicode entry
// points, no min/max macros, and helpers shared by the backend's files.
// Internal to the platform layer.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
// Names the library uses for its own functions.
#undef FreeModule
#undef LoadString
#undef WinHelp

#include <string>

namespace Orvanta {
namespace sys {

// The module a handle names; nullptr stands for the executable, as on every
// system the library runs on.
inline HMODULE ModuleOrExecutable(HINSTANCE handle) {
  return handle != nullptr ? handle : ::GetModuleHandleW(nullptr);
}

// A null-terminated copy of `text`, for the calls that take LPCWSTR; nullptr
// for an empty text where the call gives that a meaning of its own.
inline const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace sys
}  // namespace Orvanta
