// The services each system's backend provides to the portable code of the
// platform layer. Backend.cpp picks the backend; nothing else in the library
// calls the system directly. Internal to the platform layer.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "orvanta/platform/HelpViewer.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {
namespace sys {

// Modules.
HINSTANCE LoadModule(const wchar_t* name);
void FreeModule(HINSTANCE handle) noexcept;
// The handle of the module that holds the library's code.
HINSTANCE LibraryModule();
// The handle of the running executable.
HINSTANCE ExecutableModule();
std::wstring ModuleFileName(HINSTANCE handle);

// Resources of a module; false / empty when it has none of that id.
bool LoadModuleString(HINSTANCE module, unsigned int id, std::wstring& text);
enum class BinaryResource { Bitmap, Cursor, Sound };
bool LoadModuleResource(HINSTANCE module, BinaryResource kind, unsigned int id,
                        std::vector<unsigned char>& data);

// The version resource of a module; false when it has none.
bool ReadVersionResource(HINSTANCE module, unsigned long& mostSignificant,
                         unsigned long& leastSignificant, std::wstring& productVersion);

// The command line the process was started with.
std::vector<std::wstring> ProcessCommandLine();

long ShellFolderPath(int csidl, wpath& folder);
long ShellOpen(const std::wstring& verb, const wpath& file,
               const std::wstring& parameters, const wpath& directory,
               int showCommand);
// Starts `program` as a program, never as a document: with `arguments` as
// they are where programs take a list (POSIX), with `parameters` (the same
// arguments as one command-line text) where they take a text (Windows).
long StartProgram(const wpath& program, const std::vector<std::wstring>& arguments,
                  const std::wstring& parameters, const wpath& directory, int showCommand);

// Starts playing sound resource `id` of `module` (nullptr: the library)
// without waiting; true when it started. `now` is the time of the request,
// for a backend that times its sounds itself to refuse one during another.
bool PlayModuleSound(HINSTANCE module, unsigned int id, std::chrono::steady_clock::time_point now);

// Sends a help file's viewer `command` with `data` (HelpViewer.hpp) without
// waiting; failures are not reported.
void OpenHelp(HelpFormat format, const wpath& file, unsigned int command, unsigned long data);

// The box shown when no handler is set.
int DefaultMessageBox(const std::wstring& text, const std::wstring& caption,
                      unsigned int style);

std::wstring LastErrorText();

bool IsFileReadOnly(const wpath& file);
void SetFileReadOnly(const wpath& file, bool readOnly);

bool ComInitialize(unsigned long flags);
void ComUninitialize() noexcept;

}  // namespace sys
}  // namespace Orvanta
