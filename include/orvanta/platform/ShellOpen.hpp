// Starting programs and opening documents without waiting for them.
//
//   long code = Orvanta::ShellOpen(L"open", engines / L"xsltproc",
//                                  L"-o \"out put.html\" style.xsl in.xml",
//                                  engines, 0);
//   if (code <= 32) ...  // one of the ShellOpenError codes
//
// A file is a program or a document by what it is, as on Windows. On POSIX a
// file with a document extension (.pdf, .htm, .html, .xml, .txt, .chm, .hlp
// and the like, in any letter case) is always a document, whatever its
// permission bits, so that an executable "manual" never runs; a file with an
// execute permission bit and no such extension is a program; any other file
// is a document. A program is started with the parameter text split as
// SplitCommandLine does, in `directory` (the caller's when empty). A document
// is opened by the system's opener (on POSIX the xdg-open found on PATH) when
// the verb is "open" or empty. The call returns once the program has been
// started; it never waits for it to end, and on POSIX the program is detached
// (a double fork), so that it never becomes a zombie of the caller.
// QuoteCommandLineArgument (CommandLine.hpp) writes a path into the text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

// The codes ShellOpen returns for a failure; success is any code above 32.
enum ShellOpenError : long {
  ShellOpenOutOfMemory = 0,
  ShellOpenFileNotFound = 2,
  ShellOpenPathNotFound = 3,
  ShellOpenAccessDenied = 5,
  ShellOpenBadFormat = 11,
  ShellOpenNoAssociation = 31
};

// `showCommand` is the Windows show state (0 hidden, 5 shown, 10 default);
// systems without windows ignore it. After a failure, LastErrorAsText()
// describes the cause.
ORVANTA_API long ShellOpen(const std::wstring& verb, const wpath& file,
                           const std::wstring& parameters, const wpath& directory, int showCommand);

// The file name of the program `stem` on this system: the stem itself on
// POSIX, the stem with ".exe" on Windows ("xsltproc", "xsltproc.exe").
ORVANTA_API std::wstring ExecutableFileName(const std::wstring& stem);

class StartedProgram;

namespace detail {

// StartProgram for the library's own runs of programs (the report engines),
// not exported: `parameters` must be the text SplitCommandLine splits into
// `arguments`. Systems that start a program from a list (POSIX) pass
// `arguments` as they are; Windows hands the text to the shell.
long StartProgram(const wpath& program, const std::vector<std::wstring>& arguments,
                  const std::wstring& parameters, const wpath& directory, int showCommand,
                  StartedProgram& started);

}  // namespace detail

// A program started by StartProgram, whose end its starter may wait for.
// Destroying it does not wait: the program runs on, and leaves no zombie. On
// POSIX a watcher process between the double fork's two halves waits for the
// program and writes its exit code into a pipe; it holds none of the caller's
// files.
class ORVANTA_API StartedProgram {
 public:
  StartedProgram() = default;
  ~StartedProgram();
  StartedProgram(StartedProgram&& other) noexcept;
  StartedProgram& operator=(StartedProgram&& other) noexcept;
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  // Whether there is a program to wait for.
  bool IsWaitable() const { return watch_ != -1; }
  // Waits until the program has ended and returns its exit code; -1 when it
  // did not end normally (a signal killed it) or there is nothing to wait for.
  // A program is waited for once.
  int Wait();

 private:
  friend long detail::StartProgram(const wpath&, const std::vector<std::wstring>&,
                                   const std::wstring&, const wpath&, int, StartedProgram&);
  std::intptr_t watch_ = -1;
};

// Starts `program` as ShellOpen starts a program, never waiting for it, and
// lets the caller wait for its end through `started`. Only a program is
// started: a file that is not one (on POSIX, without an execute permission
// bit) gives ShellOpenBadFormat. The codes are ShellOpen's; `started` is
// replaced (the program it stood for is forgotten, not waited for).
ORVANTA_API long StartProgram(const wpath& program, const std::wstring& parameters,
                              const wpath& directory, int showCommand, StartedProgram& started);

}  // namespace Orvanta
