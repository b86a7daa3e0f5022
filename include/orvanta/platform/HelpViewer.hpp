// Help files opened in the system's help viewers, without waiting for them.
//
//   Orvanta::OpenHtmlHelp(program.BranchPath() / L"Help" / L"Sections.chm", 0);
//
// On Windows a WinHelp file goes to WinHelpW and a compiled HTML Help file to
// the HTML Help viewer, at the context number `topic` (0: the contents). Other
// systems have no such viewers: the file is opened as a document by the
// system's opener, always at its start. Failures are not reported.
#pragma once

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

ORVANTA_API void OpenWinHelp(const wpath& file, unsigned int topic);
ORVANTA_API void OpenHtmlHelp(const wpath& file, unsigned int topic);

}  // namespace Orvanta
