// Help files opened in the system's help viewers, without waiting for them.
//
//   Orvanta::OpenHtmlHelp(program.BranchPath() / L"Help" / L"Sections.chm",
//                         Orvanta::HtmlHelpContext, 42);
//
// On Windows a WinHelp file goes to WinHelpW and a compiled HTML Help file to
// the HTML Help viewer's HtmlHelpW, each with the command and data given.
// Other systems have no such viewers: the file is opened as a document by the
// system's opener, always at its start. Failures are not reported.
#pragma once

#include <functional>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

enum class HelpFormat { WinHelp, HtmlHelp };

// The commands the library sends, with the data each takes.
enum HelpCommand : unsigned int {
  WinHelpContext = 0x0001,      // the topic's context number
  WinHelpContents = 0x0003,     // 0
  HtmlHelpDisplayToc = 0x0001,  // 0
  HtmlHelpContext = 0x000F      // the topic's context number
};

ORVANTA_API void OpenWinHelp(const wpath& file, unsigned int command, unsigned long data);
ORVANTA_API void OpenHtmlHelp(const wpath& file, unsigned int command, unsigned long data);

// Replaces the system's help viewers (for a host with a viewer of its own, or
// a test); an empty handler gives them back. Returns the handler replaced.
typedef std::function<void(HelpFormat format, const wpath& file, unsigned int command,
                           unsigned long data)>
    HelpViewerHandler;
ORVANTA_API HelpViewerHandler SetHelpViewerHandler(HelpViewerHandler handler);

}  // namespace Orvanta
