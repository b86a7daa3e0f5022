// BaseApplication: the standard folders and file locations.
#include <boost/filesystem/operations.hpp>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/ShellFolders.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

wpath ShellFolderOrThrow(int csidl, unsigned int messageId, bool fillCsid) {
  wpath folder;
  if (ShellFolderPath(csidl, folder) < 0) {
    Error error(OrvantaDLL::Instance()->LoadStringW(messageId));
    if (fillCsid) error.Replace(L"<CSID/>", std::to_wstring(csidl));
    throw error;
  }
  return folder;
}

wpath SystemFolder(int csidl) { return ShellFolderOrThrow(csidl, 1990, true); }

wpath ExecutableFolder() { return ApplicationModule().BranchPath(); }

}  // namespace

wpath BaseApplication::CommonFolderPath(int csidl, unsigned int messageId) {
  const wpath shell = ShellFolderOrThrow(csidl, messageId, false);  // its error comes first
  const wpath folder = shell / L"Orvanta" / program_name / ProductVersion();
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
wpath BaseApplication::WindowsDriversPath() { return WindowsSystemPath() / L"drivers"; }
wpath BaseApplication::ProgramFilesOrvantaPath() {
  return SystemFolder(ShellFolderProgramFiles) / L"Orvanta";
}
wpath BaseApplication::ProgramFilesCommonOrvantaPath() {
  return SystemFolder(ShellFolderProgramFilesCommon) / L"Orvanta";
}

wpath BaseApplication::ProjectsPath() { return ExecutableFolder() / L"Projects"; }
wpath BaseApplication::TemplatesPath() { return ExecutableFolder() / L"Templates"; }
wpath BaseApplication::ManualsPath() { return ExecutableFolder() / L"Manuals"; }
wpath BaseApplication::ReportsPath() { return ExecutableFolder() / L"Reports"; }
wpath BaseApplication::EnginePath() { return ExecutableFolder() / L"Engines"; }
wpath BaseApplication::HelpFile() const { return ExecutableFolder() / L"Help" / helpFileName_; }
bool BaseApplication::HasHelpFile() const { return fs::exists(HelpFile()); }

wpath BaseApplication::MaterialsPath() { return CommonAppDataPath() / L"Materials"; }
wpath BaseApplication::SectionsPath() { return CommonAppDataPath() / L"Sections"; }
wpath BaseApplication::TempPath() { return CommonAppDataPath() / L"Temp"; }
wpath BaseApplication::TutorialsPath() { return CommonDocumentsPath() / L"Tutorials"; }
wpath BaseApplication::MaterialsLibraryPath() { return InitialPath() / L"Materials"; }
wpath BaseApplication::SectionsLibraryPath() { return InitialPath() / L"Sections"; }

wpath BaseApplication::InitialPath() {
  static const wpath initial = fs::current_path();
  return initial;
}

wpath BaseApplication::ConfigFile() const { return CommonAppDataPath() / configFileName_; }
wpath BaseApplication::MRUFile() { return CommonAppDataPath() / L"MRU.ini"; }
bool BaseApplication::HasMRUFile() { return fs::exists(MRUFile()); }
wpath BaseApplication::XMLReport() { return CommonAppDataPath() / L"Report.xml"; }

wpath BaseApplication::LatestVersionPath() {
  return wpath(OrvantaDLL::Instance()->LoadStringW(1500) + L"/" + program_name +
               L"/latest_version.xml");
}

}  // namespace Orvanta
