// Starting programs and opening documents without waiting for them.
//
//   long code = Orvanta::ShellOpen(L"open", engines / L"xsltproc",
//                                  L"-o \"out put.html\" style.xsl in.xml",
//                                  engines, 0);
//   if (code <= 32) ...  // one of the ShellOpenError codes
//
// A file that may be run as a program (on POSIX: one with an execute
// permission bit and no document extension such as .pdf, .htm, .html, .xml,
// .txt, .chm or .hlp) is started with the parameter text split as
// SplitCommandLine does, in `directory` (the caller's when empty). Any other
// file is a document, opened by the system's opener (on POSIX the xdg-open
// found on PATH) when the verb is "open" or empty. The call returns once the
// program has been started; it never waits for it to end and leaves no zombie.
// QuoteCommandLineArgument (CommandLine.hpp) writes a path into the text.
#pragma once

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
                           const std::wstring& parameters, const wpath& directory,
                           int showCommand);

namespace detail {

// The library's own runs of programs (the report engines), not exported:
// `program` starts as a program whatever its name, or fails as ShellOpen
// does. `parameters` must be the text SplitCommandLine splits into
// `arguments`: systems that start a program from a list (POSIX) pass
// `arguments` as they are, Windows hands the text to the shell.
long StartProgram(const wpath& program, const std::vector<std::wstring>& arguments,
                  const std::wstring& parameters, const wpath& directory, int showCommand);

}  // namespace detail

}  // namespace Orvanta
