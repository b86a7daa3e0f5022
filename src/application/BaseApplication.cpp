// BaseApplication: construction, identity, versions and the error classes.
#include "orvanta/application/BaseApplication.hpp"

#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

ModuleVersionInfo ProgramVersionInfo() { return ModuleVersionInfo(ApplicationModule().Handle()); }

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
                                 const std::wstring& logFileName,
                                 const std::wstring& helpFileName)
    : ApplicationModule(programName, instance),
      manuals_(new DocumentLibrary),
      hostText_(hostText),
      helpFileName_(helpFileName),
      configFileName_(configFileName) {
  program_name = programName;
  prefix = programPrefix;
  release_date = releaseDate;
  ResetUserOptions();
  ScanCommandLine();
  LoadUserOptions(true);
  if (write_program_log_) CreateProgramLog(CommonAppDataPath() / wstring_to_path(logFileName));
}

BaseApplication::~BaseApplication() = default;

void BaseApplication::RegisterConversions() {}
std::wstring BaseApplication::QuickStartGuide() const { return std::wstring(); }
std::wstring BaseApplication::UserManual() const { return std::wstring(); }
std::wstring BaseApplication::ReferenceManual() const { return std::wstring(); }

void BaseApplication::ScanCommandLine() {
  const std::vector<std::wstring> arguments = CommandLineArguments();
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == L"-nosplash" || arguments[i] == L"/nosplash") show_splash_screen_ = false;
    if (arguments[i] == L"-log" || arguments[i] == L"/log") write_program_log_ = true;
  }
}

std::wstring BaseApplication::ProgramName() { return program_name; }
std::wstring BaseApplication::Prefix() { return prefix; }
boost::gregorian::date BaseApplication::ReleaseDate() { return release_date; }

unsigned int BaseApplication::MajorVersion() { return ProgramVersionInfo().GetFileVersionMS() >> 16; }
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

}  // namespace Orvanta
