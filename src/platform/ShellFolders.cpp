#include "orvanta/platform/ShellFolders.hpp"

#include <utility>

#include "Backend.hpp"

namespace Orvanta {
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

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/ShellFolders.inc"
#else
#include "Unix/ShellFolders.inc"
#endif
