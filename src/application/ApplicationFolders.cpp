#include "orvanta/application/internal/ApplicationFolders.hpp"

#include <boost/filesystem/operations.hpp>

#include "orvanta/platform/ApplicationModule.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"
#include "orvanta/platform/ShellFolders.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace detail {

wpath CommonProgramFolder(const std::wstring& program, int csidl, unsigned int messageId) {
  wpath shell;
  if (ShellFolderPath(csidl, shell) < 0) throw Error(LibraryText(messageId));
  const std::wstring version = ModuleVersionInfo(ApplicationModule().Handle()).ProductVersion(0);
  const wpath folder = shell / "Orvanta" / wstring_to_path(program) / wstring_to_path(version);
  if (!boost::filesystem::exists(folder)) boost::filesystem::create_directories(folder);
  return folder;
}

wpath ShellFolder(int csidl, unsigned int messageId) {
  wpath folder;
  if (ShellFolderPath(csidl, folder) < 0)
    throw Error(LibraryText(messageId, {{L"<CSID/>", std::to_wstring(csidl)}}));
  return folder;
}

wpath ExecutableFolder() { return ApplicationModule().BranchPath(); }

wpath InitialFolder() {
  static const wpath initial = boost::filesystem::current_path();
  return initial;
}

wpath LatestVersionAddress(const std::wstring& program) {
  return wstring_to_path(LibraryText(1500) + L"/" + program + L"/latest_version.xml");
}

}  // namespace detail
}  // namespace Orvanta
