// The handle and path types shared by the whole library.
//
// HINSTANCE names a loaded module (the library, or the host executable); on
// systems without the Windows headers it is an opaque pointer, and nullptr
// stands for the running executable:
//
//   Orvanta::ApplicationModule program(L"Sections", nullptr);
//   Orvanta::wpath projects = program.BranchPath() / L"Projects";
#pragma once

#include <boost/filesystem/path.hpp>

#if defined(_WIN32)
// The same declarations as <windows.h> makes (with STRICT), without its macros.
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
struct HWND__;
typedef HWND__* HWND;
#else
typedef void* HINSTANCE;
typedef void* HWND;
#endif

namespace Orvanta {

// Wide filesystem paths; "/" appends.
typedef boost::filesystem::path wpath;

}  // namespace Orvanta
