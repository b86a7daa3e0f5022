// BaseApplication: construction, identity, versions, the error classes, and
// the forwards to the parts it holds (folders, options, the program log).
#include "orvanta/application/BaseApplication.hpp"

#include <boost/filesystem/operations.hpp>
#include <iostream>

#include "orvanta/application/internal/ApplicationFolders.hpp"
#include "orvanta/application/internal/ProgramLog.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"
#include "orvanta/platform/ShellFolders.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/WideStreams.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;

ModuleVersionInfo ProgramVersionInfo() { return ModuleVersionInfo(ApplicationModule().Handle()); }

std::wostream& Log() {
  UseUtf8WideStandardStream(std::wclog);
  return std::wclog;
}

}  // namespace

std::wstring BaseApplication::program_name;
std::wstring BaseApplication::prefix;
boost::gregorian::date BaseApplication::release_date;

BaseApplication::NoDocumentError::NoDocumentError(const std::wstring& where)
    : Error(LibraryText(1984, {{L"<Where/>", where}})) {}
BaseApplication::NoDocumentError::~NoDocumentError() = default;

BaseApplication::ReportGenerationError::ReportGenerationError(const std::wstring& file)
    : Error(LibraryText(2018, {{L"<File/>", file}})) {}
BaseApplication::ReportGenerationError::~ReportGenerationError() = default;

BaseApplication::ReportEngineError::ReportEngineError(long code)
    : Error(LibraryText(2019, {{L"<ErrorCode/>", std::to_wstring(code)}})) {}
BaseApplication::ReportEngineError::~ReportEngineError() = default;

BaseApplication::BaseApplication(HINSTANCE instance, const std::wstring& programName,
                                 const std::wstring& programPrefix,
                                 const boost::gregorian::date& releaseDate,
                                 const std::wstring& hostText, const std::wstring& configFileName,
                                 const std::wstring& logFileName, const std::wstring& helpFileName)
    : ApplicationModule(programName, instance),
      manuals_(new DocumentLibrary),
      host_text_(hostText),
      help_file_name_(helpFileName),
      config_file_name_(configFileName),
      log_file_name_(logFileName),
      options_(SharedProgramOptions::Stored()) {
  program_name = programName;
  prefix = programPrefix;
  release_date = releaseDate;
  ResetUserOptions();
  ScanCommandLine();
  options_loaded_at_start_ = LoadUserOptions(true);
  if (WriteProgramLog()) CreateProgramLog(ProgramLogFile());
}

BaseApplication::~BaseApplication() = default;

void BaseApplication::RegisterConversions() {}
std::wstring BaseApplication::QuickStartGuide() const { return std::wstring(); }
std::wstring BaseApplication::UserManual() const { return std::wstring(); }
std::wstring BaseApplication::ReferenceManual() const { return std::wstring(); }

void BaseApplication::ScanCommandLine() {
  const std::vector<std::wstring> arguments = CommandLineArguments();
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == L"-nosplash" || arguments[i] == L"/nosplash") SetShowSplashScreen(false);
    if (arguments[i] == L"-log" || arguments[i] == L"/log") SetWriteProgramLog(true);
  }
}

// Identity and versions.

std::wstring BaseApplication::ProgramName() { return program_name; }
std::wstring BaseApplication::Prefix() { return prefix; }
boost::gregorian::date BaseApplication::ReleaseDate() { return release_date; }

unsigned int BaseApplication::MajorVersion() {
  return ProgramVersionInfo().GetFileVersionMS() >> 16;
}
unsigned int BaseApplication::MinorVersion() {
  return ProgramVersionInfo().GetFileVersionMS() & 0xFFFFu;
}
unsigned int BaseApplication::ReleaseNumber() {
  return ProgramVersionInfo().GetFileVersionLS() >> 16;
}
unsigned int BaseApplication::BuildNumber() {
  return ProgramVersionInfo().GetFileVersionLS() & 0xFFFFu;
}
unsigned int BaseApplication::Version() { return MajorVersion() * 256 + MinorVersion() * 16; }

std::wstring BaseApplication::VersionAsText() {
  return std::to_wstring(MajorVersion()) + L"." + std::to_wstring(MinorVersion());
}

std::wstring BaseApplication::FullReleaseVersion() {
  return VersionAsText() + L"." + std::to_wstring(ReleaseNumber());
}

std::wstring BaseApplication::ProductVersion() { return ProgramVersionInfo().ProductVersion(0); }

std::wstring BaseApplication::DevelopmentInformation() {
  return std::wstring(L"Release|") + L"BCC|" + L"32-bit";
}

// Folders and files.

wpath BaseApplication::CommonFolderPath(int csidl, unsigned int messageId) {
  return detail::CommonProgramFolder(program_name, csidl, messageId);
}
wpath BaseApplication::CommonAppDataPath() {
  return CommonFolderPath(ShellFolderCommonAppData, 1988);
}
wpath BaseApplication::CommonDocumentsPath() {
  return CommonFolderPath(ShellFolderCommonDocuments, 1989);
}
wpath BaseApplication::KnownFolderPath(int csidl) { return detail::ShellFolder(csidl, 1995); }
wpath BaseApplication::WindowsSystemPath() { return detail::ShellFolder(ShellFolderSystem, 1990); }
wpath BaseApplication::WindowsProgramFilesPath() {
  return detail::ShellFolder(ShellFolderProgramFiles, 1990);
}
wpath BaseApplication::WindowsDriversPath() { return WindowsSystemPath() / "drivers"; }
wpath BaseApplication::ProgramFilesOrvantaPath() { return WindowsProgramFilesPath() / "Orvanta"; }
wpath BaseApplication::ProgramFilesCommonOrvantaPath() {
  return detail::ShellFolder(ShellFolderProgramFilesCommon, 1990) / "Orvanta";
}

wpath BaseApplication::ProjectsPath() { return detail::ExecutableFolder() / "Projects"; }
wpath BaseApplication::TemplatesPath() { return detail::ExecutableFolder() / "Templates"; }
wpath BaseApplication::ManualsPath() { return detail::ExecutableFolder() / "Manuals"; }
wpath BaseApplication::ReportsPath() { return detail::ExecutableFolder() / "Reports"; }
wpath BaseApplication::EnginePath() { return detail::ExecutableFolder() / "Engines"; }
wpath BaseApplication::HelpFile() const {
  return detail::ExecutableFolder() / "Help" / wstring_to_path(help_file_name_);
}
bool BaseApplication::HasHelpFile() const { return fs::exists(HelpFile()); }

wpath BaseApplication::MaterialsPath() { return CommonAppDataPath() / "Materials"; }
wpath BaseApplication::SectionsPath() { return CommonAppDataPath() / "Sections"; }
wpath BaseApplication::TempPath() { return CommonAppDataPath() / "Temp"; }
wpath BaseApplication::TutorialsPath() { return CommonDocumentsPath() / "Tutorials"; }
wpath BaseApplication::MaterialsLibraryPath() { return InitialPath() / "Materials"; }
wpath BaseApplication::SectionsLibraryPath() { return InitialPath() / "Sections"; }
wpath BaseApplication::InitialPath() { return detail::InitialFolder(); }

wpath BaseApplication::ConfigFile() const {
  return CommonAppDataPath() / wstring_to_path(config_file_name_);
}
wpath BaseApplication::MRUFile() { return CommonAppDataPath() / "MRU.ini"; }
bool BaseApplication::HasMRUFile() { return fs::exists(MRUFile()); }
wpath BaseApplication::XMLReport() { return CommonAppDataPath() / "Report.xml"; }
wpath BaseApplication::LatestVersionPath() { return detail::LatestVersionAddress(program_name); }

// Program options.

void BaseApplication::ResetUserOptions() { options_.Reset(); }

bool BaseApplication::SaveUserOptions() const {
  const wpath file = ConfigFile();
  // Through the careful writer: the old file stays whole until the new one
  // is, and a file that may not be replaced (read-only, a folder, not a
  // regular file) is refused.
  try {
    SafeFileWriter out(file);
    options_.Write(out.Stream());
    out.Commit();
  } catch (const std::exception&) {
    return false;  // and nothing is written anywhere, the log included
  }
  // The log's lines come once the file is written, so that a failure leaves
  // no trace in the log either.
  Log() << L"Saving configuration file: " << path_to_wstring(file) << L'\n'
        << L"Writing to XML archive" << L'\n' << L"Finished writing archive" << L'\n' << L'\n';
  return true;
}

bool BaseApplication::LoadUserOptions(bool silent) {
  const boost::shared_ptr<CompositeMessage> outcome(new CompositeMessage(LibraryText(2038)));
  const wpath file = ConfigFile();
  bool loaded = false;
  // A regular file only: a folder or a FIFO in its place is "not found"
  // (and a FIFO is never waited for).
  InputFile in(file);
  if (!in.is_open()) {
    outcome->InsertLeaf(new LeafMessage(LibraryText(2041), Message::Warning));
  } else {
    try {
      Log() << L"Loading configuration file: " << path_to_wstring(file) << L'\n'
            << L"Reading from XML archive" << L'\n';
      options_.Read(in);
      Log() << L"Finished reading archive" << L'\n' << L'\n';
      outcome->InsertLeaf(new LeafMessage(LibraryText(2039, {{L"<Path/>", path_to_wstring(file)}}),
                                          Message::Information));
      loaded = true;
    } catch (const std::exception& error) {
      outcome->InsertLeaf(new LeafMessage(
          LibraryText(2040, {{L"<Error/>", string_to_wstring(error.what())}}), Message::Error));
    }
  }
  if (!silent) BroadcastMessage(outcome, false);
  return loaded;
}

void BaseApplication::SignalProgramOptionsChanged() const {
  BroadcastProgramOptionsChanged(shared_from_this());
}

void BaseApplication::SetDrawingBoardExtents(const Units::Length& depth,
                                             const Units::Length& height,
                                             const Units::Length& width) {
  options_.drawing_extents = detail::DrawingBoard(depth, height, width);
}

void BaseApplication::SetVisualAppearance(VisualAppearanceType value) {
  options_.visual_appearance = value;
  BroadcastVisualAppearanceChanged(value);
}

int BaseApplication::MessageThreshold() { return SharedProgramOptions::MessageThreshold(); }
void BaseApplication::SetMessageThreshold(int value) {
  SharedProgramOptions::SetMessageThreshold(value);
}
bool BaseApplication::AutomaticBackup() { return SharedProgramOptions::AutomaticBackup(); }
void BaseApplication::SetAutomaticBackup(bool value) {
  SharedProgramOptions::SetAutomaticBackup(value);
}
std::string BaseApplication::BackupExtension() { return SharedProgramOptions::BackupExtension(); }
void BaseApplication::SetBackupExtension(const std::string& value) {
  SharedProgramOptions::SetBackupExtension(value);
}

// The program log.

void BaseApplication::CreateProgramLog(const wpath& file) {
  detail::ProgramLog::Process().Open(file, AppendToLog());
}
void BaseApplication::CloseProgramLog() { detail::ProgramLog::Process().WriteStopLines(); }

bool BaseApplication::IsProgramLogOpen() { return detail::ProgramLog::Process().IsOpen(); }

wpath BaseApplication::ProgramLogFile() const {
  return CommonAppDataPath() / wstring_to_path(log_file_name_);
}

}  // namespace Orvanta
