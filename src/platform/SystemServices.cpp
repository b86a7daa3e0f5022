// The platform's free functions that the backend carries out as they are.
#include <utility>

#include "Backend.hpp"
#include "orvanta/platform/CommandLine.hpp"
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

std::wstring ExecutableFileName(const std::wstring& stem) {
  return stem + sys::ExecutableExtension();
}

long ShellOpen(const std::wstring& verb, const wpath& file, const std::wstring& parameters,
               const wpath& directory, int showCommand) {
  return sys::ShellOpen(verb, file, parameters, directory, showCommand);
}

StartedProgram::~StartedProgram() {
  if (watch_ != -1) sys::ForgetProgram(watch_);
}

StartedProgram::StartedProgram(StartedProgram&& other) noexcept
    : watch_(std::exchange(other.watch_, -1)) {}

StartedProgram& StartedProgram::operator=(StartedProgram&& other) noexcept {
  if (this != &other) {
    if (watch_ != -1) sys::ForgetProgram(watch_);
    watch_ = std::exchange(other.watch_, -1);
  }
  return *this;
}

int StartedProgram::Wait() {
  if (watch_ == -1) return -1;
  return sys::WaitForProgram(std::exchange(watch_, -1));
}

namespace detail {

long StartProgram(const wpath& program, const std::vector<std::wstring>& arguments,
                  const std::wstring& parameters, const wpath& directory, int showCommand,
                  StartedProgram& started) {
  started = StartedProgram();
  std::intptr_t watch = -1;
  const long code =
      sys::StartProgram(program, arguments, parameters, directory, showCommand, watch);
  started.watch_ = watch;
  return code;
}

}  // namespace detail

long StartProgram(const wpath& program, const std::wstring& parameters, const wpath& directory,
                  int showCommand, StartedProgram& started) {
  return detail::StartProgram(program, SplitCommandLine(parameters), parameters, directory,
                              showCommand, started);
}

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
