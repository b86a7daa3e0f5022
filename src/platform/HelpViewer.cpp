#include "orvanta/platform/HelpViewer.hpp"

#include <utility>

#include "Backend.hpp"

namespace Orvanta {
namespace {

HelpViewerHandler& HelpHandler() {
  static HelpViewerHandler handler;
  return handler;
}

void OpenHelp(HelpFormat format, const wpath& file, unsigned int command, unsigned long data) {
  const HelpViewerHandler& handler = HelpHandler();
  if (handler)
    handler(format, file, command, data);
  else
    sys::OpenHelp(format, file, command, data);
}

}  // namespace

void OpenWinHelp(const wpath& file, unsigned int command, unsigned long data) {
  OpenHelp(HelpFormat::WinHelp, file, command, data);
}

void OpenHtmlHelp(const wpath& file, unsigned int command, unsigned long data) {
  OpenHelp(HelpFormat::HtmlHelp, file, command, data);
}

HelpViewerHandler SetHelpViewerHandler(HelpViewerHandler handler) {
  return std::exchange(HelpHandler(), std::move(handler));
}

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/HelpViewer.inc"
#else
#include "Unix/HelpViewer.inc"
#endif
