// The services each system's backend provides to the portable code of the
// platform layer, grouped by the service whose .cpp includes the backend's
// Unix/<service>.inc or Windows/<service>.inc that defines them. Nothing else
// in the library calls the system directly. Internal to the platform layer.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <boost/system/error_code.hpp>

#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/HelpViewer.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {
namespace sys {

// Module.
HINSTANCE LoadModule(const wchar_t* name);
void FreeModule(HINSTANCE handle) noexcept;
// The handle of the module that holds the library's code.
HINSTANCE LibraryModule();
// The handle of the running executable.
HINSTANCE ExecutableModule();
std::wstring ModuleFileName(HINSTANCE handle);
// String-table text `id` of a module; false when it has none of that id.
bool LoadModuleString(HINSTANCE module, unsigned int id, std::wstring& text);

// Resource: the bytes of a module's resource; false when it has none of that id.
enum class BinaryResource { Bitmap, Cursor, Sound };
bool LoadModuleResource(HINSTANCE module, BinaryResource kind, unsigned int id,
                        std::vector<unsigned char>& data);

// ModuleVersionInfo: the version resource of a module; false when it has none.
bool ReadVersionResource(HINSTANCE module, unsigned long& mostSignificant,
                         unsigned long& leastSignificant, std::wstring& productVersion);

// CommandLine: the command line the process was started with.
std::vector<std::wstring> ProcessCommandLine();

// ShellFolders.
long ShellFolderPath(int csidl, wpath& folder);

// ShellOpen.
long ShellOpen(const std::wstring& verb, const wpath& file, const std::wstring& parameters,
               const wpath& directory, int showCommand);
// Starts a program (never opens a document) as ShellOpen does: with
// `arguments` as they are where programs take a list (POSIX), with
// `parameters` (the same arguments as one command-line text) where they take
// a text (Windows). On success `watch` receives what WaitForProgram waits on.
long StartProgram(const wpath& program, const std::vector<std::wstring>& arguments,
                  const std::wstring& parameters, const wpath& directory, int showCommand,
                  std::intptr_t& watch);
// The program's exit code, -1 when it did not exit normally; lets go of `watch`.
int WaitForProgram(std::intptr_t watch);
void ForgetProgram(std::intptr_t watch) noexcept;
// What the file names of programs end in: ".exe", or nothing.
const wchar_t* ExecutableExtension();

// ProcessIdentity: the running process's id; the start time of process `id`
// in the system's units (0 when it cannot be told); whether process `id` runs
// and, unless `started` is 0, started then.
unsigned long CurrentProcessId();
unsigned long long ProcessStartTime(unsigned long id);
bool IsProcessRunning(unsigned long id, unsigned long long started);

// SoundPlayer: starts playing sound resource `id` of `module` (nullptr: the
// library) without waiting; true when it started. `now` is the time of the request,
// for a backend that times its sounds itself to refuse one during another.
bool PlayModuleSound(HINSTANCE module, unsigned int id, std::chrono::steady_clock::time_point now);

// HelpViewer: sends a help file's viewer `command` with `data` (HelpViewer.hpp) without
// waiting; failures are not reported.
void OpenHelp(HelpFormat format, const wpath& file, unsigned int command, unsigned long data);

// MessageBox: the box shown when no handler is set.
int DefaultMessageBox(const std::wstring& text, const std::wstring& caption, unsigned int style);

// SystemError.
std::wstring LastErrorText();

// FileAttributes.
bool IsFileReadOnly(const wpath& file);
// Changes the file itself, never what a link names (a link is refused).
void SetFileReadOnly(const wpath& file, bool readOnly);

// FileStream: files by the system's own handle, a descriptor on POSIX, a
// HANDLE on Windows.
typedef std::intptr_t FileHandle;
constexpr FileHandle kNoFile = -1;

// A regular file, for reading; anything else is refused without waiting for it.
// kNoFile, with `error` set, when it cannot be opened.
FileHandle OpenForReading(const wpath& file, boost::system::error_code& error);
// A regular file of its own at `file` (created when missing, never a link nor
// through one), for writing at its end (`append`) or emptied first.
FileHandle OpenForLogging(const wpath& file, bool append, boost::system::error_code& error);
// The count read (0 at the end of the file), or -1 with `error` set.
long long ReadFile(FileHandle file, void* data, std::size_t size, boost::system::error_code& error);
// Writes all of `data`; false, with `error` set, otherwise.
bool WriteFile(FileHandle file, const void* data, std::size_t size,
               boost::system::error_code& error);
// Moves to `offset` from the start (0), the current position (1) or the end
// (2); the new position, or -1 with `error` set.
long long SeekFile(FileHandle file, long long offset, int origin, boost::system::error_code& error);
FileStamp StampOf(FileHandle file);
void CloseFile(FileHandle file) noexcept;

// SafeFileWriter: one replacement of a file (see SafeFileWriter.hpp for what
// it must guarantee).
struct Replacement {
  wpath target;                 // the file replaced (links followed)
  wpath temporary;              // the temporary file beside it
  FileHandle file = kNoFile;    // the temporary file, open for writing
  FileHandle lock = kNoFile;    // the old target, locked; kNoFile when there is none
  FileHandle folder = kNoFile;  // the folder of both, where the system needs it
  FileStamp temporaryStamp;     // which file the temporary is, to remove only it
  bool renamed = false;
};
// Locks and checks the target and creates the temporary file; throws
// boost::filesystem::filesystem_error, leaving nothing behind, when the target
// may not be replaced or is not the version `expected` (when given).
void BeginReplacement(Replacement& replacement, const wpath& target, const FileStamp* expected);
// The temporary file's content, written by the caller, to the disk and in
// place of the target; returns the new file's stamp. Throws filesystem_error,
// the target as it was, when it fails.
FileStamp CommitReplacement(Replacement& replacement);
// Removes the temporary file unless it was renamed, and lets go of everything.
void EndReplacement(Replacement& replacement) noexcept;

// CoInitialize.
bool ComInitialize(unsigned long flags);
void ComUninitialize() noexcept;

}  // namespace sys
}  // namespace Orvanta
