// Module: a loaded module of the process (the library itself, or the host
// program's executable) and the resources it carries.
//
//   const Orvanta::Module& library = *Orvanta::OrvantaDLL::Instance();
//   std::wstring text = library.LoadStringW(1950);
//   Orvanta::wpath folder = library.BranchPath();
//
// Where executables carry no resource section (POSIX), the library's resources
// are compiled into it, and every module resolves resource ids against them.
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

class ORVANTA_API Module {
 public:
  // `name` is copied; `handle` is not owned (nullptr stands for the running
  // executable).
  Module(const wchar_t* name, HINSTANCE handle);
  virtual ~Module();

  HINSTANCE Handle() const noexcept { return handle_; }
  operator HINSTANCE() const noexcept { return handle_; }

  // String-table text `id` of this module, a fresh copy; empty when the table
  // has no such text.
  std::wstring LoadStringW(unsigned int id) const;

  // The full path of the module's file.
  std::wstring FileName() const;
  // The name the module was constructed with.
  std::wstring Name() const { return name_; }
  // The folder that holds the module's file.
  wpath BranchPath() const;

 private:
  std::wstring name_;
  HINSTANCE handle_;
};

// Loads the module `name` (or, if the process already has it, raises its
// reference count) and returns its handle; nullptr when it cannot be found.
// The library's own module name, "Orvanta.dll", always names the module that
// holds the library, whatever its file is called on this system (the shared
// object, or the executable in a static build). Balance each call with
// FreeModule.
ORVANTA_API HINSTANCE LoadModule(const wchar_t* name);
// The name is in parentheses because <windows.h> defines FreeModule(h) as a
// macro for FreeLibrary(h), which does the same there.
ORVANTA_API void(FreeModule)(HINSTANCE handle) noexcept;

}  // namespace Orvanta
