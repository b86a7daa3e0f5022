#include "orvanta/platform/ShellOpen.hpp"

#include <utility>

#include "Backend.hpp"
#include "orvanta/platform/CommandLine.hpp"

namespace Orvanta {

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

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/ShellOpen.inc"
#else
#include "Unix/ShellOpen.inc"
#endif
