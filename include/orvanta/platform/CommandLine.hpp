// The process command line as the library sees it.
//
//   for (const std::wstring& argument : Orvanta::CommandLineArguments())
//     if (argument == L"-log") ...
#pragma once

#include <string>
#include <vector>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

// Replaces the command line the library sees (element 0 is the program); by
// default it sees the real one (on Linux read from /proc/self/cmdline, on
// Windows GetCommandLineW split by the system). An empty vector restores the
// real one.
ORVANTA_API void SetCommandLine(const std::vector<std::wstring>& arguments);

// The command line, element 0 being the program.
ORVANTA_API std::vector<std::wstring> CommandLineArguments();

// Splits a command-line text into arguments the way Windows programs do:
// blanks and tabs separate arguments; double quotes group, and a quote inside
// a quoted group is written "" or \"; 2n backslashes before a quote stand for
// n backslashes, 2n+1 for n and a literal quote; other backslashes are
// literal. This is how parameter texts given to ShellOpen reach a program.
ORVANTA_API std::vector<std::wstring> SplitCommandLine(const std::wstring& text);

// `argument` in double quotes, written so that SplitCommandLine gives it back
// whole whatever it holds: a quote is written \", and the backslashes before
// a quote or the closing quote are doubled ("a \"b\" c\\" for a "b" c\).
ORVANTA_API std::wstring QuoteCommandLineArgument(const std::wstring& argument);

}  // namespace Orvanta
