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

long StartProgram(const wpath& program, const std::wstring& parameters, const wpath& directory,
                  int showCommand, StartedProgram& started) {
  started = StartedProgram();
  std::intptr_t watch = -1;
  const long code = sys::StartProgram(program, parameters, directory, showCommand, watch);
  started.watch_ = watch;
  return code;
}

void OpenWinHelp(const wpath& file, unsigned int topic) {
  sys::OpenHelp(sys::HelpFormat::WinHelp, file, topic);
}

void OpenHtmlHelp(const wpath& file, unsigned int topic) {
  sys::OpenHelp(sys::HelpFormat::HtmlHelp, file, topic);
}

}  // namespace Orvanta
