// BaseApplication: the standard folders and file locations.
#include <boost/filesystem/operations.hpp>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/ShellFolders.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

wpath ShellFolderOrThrow(int csidl, unsigned int messageId, bool fillCsid) {
  wpath folder;
  if (ShellFolderPath(csidl, folder) < 0)
    throw Error(fillCsid ? LibraryText(messageId, {{L"<CSID/>", std::to_wstring(csidl)}})
                         : LibraryText(messageId));
  return folder;
}

wpath SystemFolder(int csidl) { return ShellFolderOrThrow(csidl, 1990, true); }

wpath ExecutableFolder() { return ApplicationModule().BranchPath(); }

}  // namespace

wpath BaseApplication::CommonFolderPath(int csidl, unsigned int messageId) {
  const wpath shell = ShellFolderOrThrow(csidl, messageId, false);  // its error comes first
  const wpath folder =
      shell / "Orvanta" / wstring_to_path(program_name) / wstring_to_path(ProductVersion());
  if (!fs::exists(folder)) fs::create_directories(folder);
  return folder;
}

wpath BaseApplication::CommonAppDataPath() {
  return CommonFolderPath(ShellFolderCommonAppData, 1988);
}
wpath BaseApplication::CommonDocumentsPath() {
  return CommonFolderPath(ShellFolderCommonDocuments, 1989);
}

wpath BaseApplication::KnownFolderPath(int csidl) { return ShellFolderOrThrow(csidl, 1995, true); }

wpath BaseApplication::WindowsSystemPath() { return SystemFolder(ShellFolderSystem); }
wpath BaseApplication::WindowsProgramFilesPath() { return SystemFolder(ShellFolderProgramFiles); }
wpath BaseApplication::WindowsDriversPath() { return WindowsSystemPath() / "drivers"; }
wpath BaseApplication::ProgramFilesOrvantaPath() {
  return SystemFolder(ShellFolderProgramFiles) / "Orvanta";
}
wpath BaseApplication::ProgramFilesCommonOrvantaPath() {
  return SystemFolder(ShellFolderProgramFilesCommon) / "Orvanta";
}

wpath BaseApplication::ProjectsPath() { return ExecutableFolder() / "Projects"; }
wpath BaseApplication::TemplatesPath() { return ExecutableFolder() / "Templates"; }
wpath BaseApplication::ManualsPath() { return ExecutableFolder() / "Manuals"; }
wpath BaseApplication::ReportsPath() { return ExecutableFolder() / "Reports"; }
wpath BaseApplication::EnginePath() { return ExecutableFolder() / "Engines"; }
wpath BaseApplication::HelpFile() const { return ExecutableFolder() / "Help" / wstring_to_path(helpFileName_); }
bool BaseApplication::HasHelpFile() const { return fs::exists(HelpFile()); }

wpath BaseApplication::MaterialsPath() { return CommonAppDataPath() / "Materials"; }
wpath BaseApplication::SectionsPath() { return CommonAppDataPath() / "Sections"; }
wpath BaseApplication::TempPath() { return CommonAppDataPath() / "Temp"; }
wpath BaseApplication::TutorialsPath() { return CommonDocumentsPath() / "Tutorials"; }
wpath BaseApplication::MaterialsLibraryPath() { return InitialPath() / "Materials"; }
wpath BaseApplication::SectionsLibraryPath() { return InitialPath() / "Sections"; }

wpath BaseApplication::InitialPath() {
  static const wpath initial = fs::current_path();
  return initial;
}

wpath BaseApplication::ConfigFile() const { return CommonAppDataPath() / wstring_to_path(configFileName_); }
wpath BaseApplication::MRUFile() { return CommonAppDataPath() / "MRU.ini"; }
bool BaseApplication::HasMRUFile() { return fs::exists(MRUFile()); }
wpath BaseApplication::XMLReport() { return CommonAppDataPath() / "Report.xml"; }

wpath BaseApplication::LatestVersionPath() {
  return wstring_to_path(LibraryText(1500) + L"/" + program_name +
                         L"/latest_version.xml");
}

}  // namespace Orvanta
