// The platform's free functions that the backend carries out as they are.
#include <utility>

#include "Backend.hpp"
#include "orvanta/platform/FileAttributes.hpp"
#include "orvanta/platform/HelpViewer.hpp"
#include "orvanta/platform/ShellFolders.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/SystemError.hpp"

namespace Orvanta {

std::wstring LastErrorAsText() { return sys::LastErrorText(); }

bool IsFileReadOnly(const wpath& file) { return sys::IsFileReadOnly(file); }
void MakeFileReadOnly(wpath& file) { sys::SetFileReadOnly(file, true); }
void MakeFileReadWrite(wpath& file) { sys::SetFileReadOnly(file, false); }

namespace {

ShellFolderHandler& FolderHandler() {
  static ShellFolderHandler handler;
  return handler;
}

}  // namespace

long ShellFolderPath(int csidl, wpath& folder) {
  const ShellFolderHandler& handler = FolderHandler();
  return handler ? handler(csidl, folder) : sys::ShellFolderPath(csidl, folder);
}

ShellFolderHandler SetShellFolderHandler(ShellFolderHandler handler) {
  return std::exchange(FolderHandler(), std::move(handler));
}

long ShellOpen(const std::wstring& verb, const wpath& file, const std::wstring& parameters,
               const wpath& directory, int showCommand) {
  return sys::ShellOpen(verb, file, parameters, directory, showCommand);
}

namespace detail {

long StartProgram(const wpath& program, const std::vector<std::wstring>& arguments,
                  const std::wstring& parameters, const wpath& directory, int showCommand) {
  return sys::StartProgram(program, arguments, parameters, directory, showCommand);
}

}  // namespace detail

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
