// BaseApplication: the base class of every host program's application object:
// the program's identity, versions and folders, the user's program options,
// the current document's lifecycle and the program log.
//
//   class Sections : public Orvanta::BaseApplication {
//    public:
//     Sections()
//         : BaseApplication(nullptr, L"Sections", L"SEC", boost::gregorian::date(2026, 12, 5),
//                           L"", L"Sections.xml", L"Sections.log", L"Sections.chm") {}
//     boost::shared_ptr<Orvanta::BaseDocument> MakeNewDocument() override { ... }
//     ...
//   };
//   Orvanta::SetProgramVersion(2, 1, 3, 45, L"2.1.3");   // before construction
//   auto app = boost::make_shared<Sections>();
//   app->OpenDocument(L"/home/ann/Bridge.xml");
//
// On POSIX the common application-data folder is $XDG_DATA_HOME (or
// ~/.local/share) and the common documents folder $XDG_DOCUMENTS_DIR (or
// ~/Documents), each followed by Orvanta / program name / product version.
// internal/ApplicationFolders.hpp lists which file lives in which folder.
#pragma once

#include <memory>
#include <string>

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

#include "orvanta/application/DocumentLibrary.hpp"
#include "orvanta/application/ElectronicDocument.hpp"
#include "orvanta/application/RecentProjects.hpp"
#include "orvanta/application/internal/ProgramOptions.hpp"
#include "orvanta/documents/BaseDocument.hpp"
#include "orvanta/geometry/Extents.hpp"
#include "orvanta/platform/ApplicationModule.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/Types.hpp"
#include "orvanta/quantities/Units.hpp"

namespace Orvanta {

class ORVANTA_API BaseApplication : public ApplicationModule,
                                    public boost::enable_shared_from_this<BaseApplication> {
 public:
  // The operation `where` needed a current document: text 1984.
  class ORVANTA_API NoDocumentError : public Error {
   public:
    explicit NoDocumentError(const std::wstring& where);
    ~NoDocumentError() override;
  };
  // A file needed for a report is missing: text 2018.
  class ORVANTA_API ReportGenerationError : public Error {
   public:
    explicit ReportGenerationError(const std::wstring& file);
    ~ReportGenerationError() override;
  };
  // A report engine failed with `code`: text 2019.
  class ORVANTA_API ReportEngineError : public Error {
   public:
    explicit ReportEngineError(long code);
    ~ReportEngineError() override;
  };

  // Any other value is kept, and produces no report.
  enum XSLTEngineType : int { MSXML = 0, AltovaXML = 1, XSLTProc = 2 };
  typedef int ReportFormatType;
  typedef int ReportOrientationType;
  typedef int StartupViewType;
  typedef int VisualAppearanceType;

  // Runs, in order: the module from `programName` and `instance`; the
  // identity statics; ResetUserOptions(); the command-line switches;
  // LoadUserOptions(true); the program log when it is to be written. Throws
  // Error when the common application-data folder cannot be found.
  BaseApplication(HINSTANCE instance, const std::wstring& programName, const std::wstring& prefix,
                  const boost::gregorian::date& releaseDate, const std::wstring& hostText,
                  const std::wstring& configFileName, const std::wstring& logFileName,
                  const std::wstring& helpFileName);
  ~BaseApplication() override;

  // The host's place to register unit conversions; empty here.
  virtual void RegisterConversions();
  // The document names of the three manuals; empty unless overridden.
  virtual std::wstring QuickStartGuide() const;
  virtual std::wstring UserManual() const;
  virtual std::wstring ReferenceManual() const;
  virtual std::wstring ReportTitle() const = 0;
  virtual std::wstring ReportStyleSheet() const = 0;
  virtual wpath ReportTransform(const wpath& xml) const = 0;
  // A new, empty document of the host's class.
  virtual boost::shared_ptr<BaseDocument> MakeNewDocument() = 0;
  // A document read from `path`; may throw.
  virtual boost::shared_ptr<BaseDocument> MakeDocumentFromFile(const wpath& path) = 0;

  // Identity.
  static std::wstring ProgramName();
  static std::wstring Prefix();
  static boost::gregorian::date ReleaseDate();
  const std::wstring& HostText() const { return host_text_; }

  // Versions of the running executable (see SetProgramVersion); each throws
  // Error with text 1884 when there is none.
  static unsigned int MajorVersion();
  static unsigned int MinorVersion();
  static unsigned int ReleaseNumber();
  static unsigned int BuildNumber();
  // Major * 256 + minor * 16: 2.1 gives 528.
  static unsigned int Version();
  // "2.1".
  static std::wstring VersionAsText();
  // "2.1.3".
  static std::wstring FullReleaseVersion();
  static std::wstring ProductVersion();
  // "Release|BCC|32-bit", the fixed text host programs of the family expect.
  static std::wstring DevelopmentInformation();

  // Folders and files. The common folders are created with every missing
  // parent; "only the parent" locations create their parent only.
  static wpath CommonAppDataPath();
  static wpath CommonDocumentsPath();
  // Shell folder `csidl` / "Orvanta" / program name / product version,
  // created if missing; throws Error with text `messageId` when the shell
  // cannot give the folder.
  static wpath CommonFolderPath(int csidl, unsigned int messageId);
  // Shell folder `csidl`; throws Error 1995. Creates nothing.
  static wpath KnownFolderPath(int csidl);
  // Each throws Error 1990 when the shell cannot give the folder.
  static wpath WindowsSystemPath();
  static wpath WindowsProgramFilesPath();
  static wpath WindowsDriversPath();
  static wpath ProgramFilesOrvantaPath();
  static wpath ProgramFilesCommonOrvantaPath();
  // Beside the host executable.
  static wpath ProjectsPath();
  static wpath TemplatesPath();
  static wpath ManualsPath();
  static wpath ReportsPath();
  static wpath EnginePath();
  wpath HelpFile() const;
  bool HasHelpFile() const;
  static wpath MaterialsPath();
  static wpath SectionsPath();
  static wpath TempPath();
  static wpath TutorialsPath();
  static wpath MaterialsLibraryPath();
  static wpath SectionsLibraryPath();
  // The current folder when first asked, the same ever after.
  static wpath InitialPath();
  wpath ConfigFile() const;
  static wpath MRUFile();
  static bool HasMRUFile();
  static wpath XMLReport();
  // String 1500 / program name / "latest_version.xml", joined by "/".
  static wpath LatestVersionPath();

  // Program options.
  void ResetUserOptions();
  // Reads ConfigFile() through XmlInputArchive; true when read. Broadcasts a
  // composite message of the outcome unless `silent`: an information leaf on
  // success; a warning, text 2041 "not found", for a missing file or anything
  // but a regular file (a folder, a FIFO, which is never waited for); an
  // error, text 2040, for a malformed, foreign or newer file (a ProgramOptions
  // element above class version 3), which leaves the options read before the
  // failure read and the others as they were.
  bool LoadUserOptions(bool silent);
  // Whether the constructor read the options from ConfigFile(). False on a
  // first run (no file, or one that could not be read): the options are then
  // the defaults and what the command line set. A host whose defaults differ
  // from the library's sets its own then, after construction, without saving
  // them: they become the user's when the user saves the options.
  bool LoadedUserOptionsAtStart() const { return options_loaded_at_start_; }
  // Writes ConfigFile() through SafeFileWriter (the old file stays whole until
  // the new one is); false when it cannot be written (a full disk, a
  // read-only file, a folder), and then nothing is written anywhere: no
  // message, no line in the log.
  bool SaveUserOptions() const;
  // Raises ProgramOptionsChanged with this application (owned by a shared
  // pointer).
  void SignalProgramOptionsChanged() const;

  bool UseInternalBrowser() const { return options_.internal_browser; }
  void SetInternalBrowser(bool value) { options_.internal_browser = value; }
  ReportFormatType ReportFormat() const { return options_.report_format; }
  void SetReportFormat(ReportFormatType value) { options_.report_format = value; }
  ReportOrientationType ReportOrientation() const { return options_.report_orientation; }
  void SetReportOrientation(ReportOrientationType value) { options_.report_orientation = value; }
  XSLTEngineType XSLTEngine() const { return static_cast<XSLTEngineType>(options_.xslt_engine); }
  void SetXSLTEngine(XSLTEngineType value) { options_.xslt_engine = value; }
  const Extents& DrawingBoardExtents() const { return options_.drawing_extents; }
  // x and y from -width to +width, z from -height to +depth. Throws Error 2043,
  // changing nothing, unless all three are greater than zero (NaN is not).
  void SetDrawingBoardExtents(const Units::Length& depth, const Units::Length& height,
                              const Units::Length& width);
  bool AutoHidePanels() const { return options_.auto_hide_panels; }
  void SetAutoHidePanels(bool value) { options_.auto_hide_panels = value; }
  bool HideDisabledItems() const { return options_.hide_disabled_items; }
  void SetHideDisabledItems(bool value) { options_.hide_disabled_items = value; }
  static int MessageThreshold();
  static void SetMessageThreshold(int value);
  bool ShowSplashScreen() const { return options_.show_splash_screen; }
  void SetShowSplashScreen(bool value) { options_.show_splash_screen = value; }
  StartupViewType StartupView() const { return options_.startup_view; }
  void SetStartupView(StartupViewType value) { options_.startup_view = value; }
  VisualAppearanceType VisualAppearance() const { return options_.visual_appearance; }
  // Stores the value and raises VisualAppearanceChanged, changed or not.
  void SetVisualAppearance(VisualAppearanceType value);
  static bool AutomaticBackup();
  static void SetAutomaticBackup(bool value);
  static std::string BackupExtension();
  static void SetBackupExtension(const std::string& value);
  bool WriteProgramLog() const { return options_.write_program_log; }
  void SetWriteProgramLog(bool value) { options_.write_program_log = value; }
  bool AppendToLog() const { return options_.append_to_log; }
  void SetAppendToLog(bool value) { options_.append_to_log = value; }
  bool CreateDocumentOnStartup() const { return options_.create_doc_on_startup; }
  void SetCreateDocumentOnStartup(bool value) { options_.create_doc_on_startup = value; }
  bool OpenMessageBoardOnDocumentOpened() const {
    return options_.open_message_board_on_doc_opened;
  }
  void SetOpenMessageBoardOnDocumentOpened(bool value) {
    options_.open_message_board_on_doc_opened = value;
  }
  bool ClearMessagesOnDocumentClosed() const { return options_.clear_messages_on_doc_closed; }
  void SetClearMessagesOnDocumentClosed(bool value) {
    options_.clear_messages_on_doc_closed = value;
  }
  unsigned int MaxNumRecentProjects() const { return options_.max_num_recent_projects; }
  void SetMaxNumRecentProjects(unsigned int value) { options_.max_num_recent_projects = value; }

  // The current document.
  boost::shared_ptr<BaseDocument> GetDocument() const { return document_; }
  void SetDocument(boost::shared_ptr<BaseDocument> document) { document_ = document; }
  boost::shared_ptr<BaseDocument> NewDocument();
  // Throws Error 1956, changing nothing, when `path` does not exist. A
  // document that fails to open ends as one error message, and nothing else
  // is thrown: for a standard exception from MakeDocumentFromFile, its text,
  // and the user is left with a new empty document (announced as opened);
  // for any other exception, "Cannot open '<path>'. " and no fallback document.
  boost::shared_ptr<BaseDocument> OpenDocument(const wpath& path);
  // Why the last OpenDocument did not open its file: the text of the error
  // message it broadcast. The current document is then the empty one made in
  // its place (none, for an exception that is not a std::exception), which
  // is not the file: a host that saves without asking (a command-line
  // program) must not take it for the file. Empty when the file opened, when
  // the user kept the current document, and before any OpenDocument.
  const std::wstring& OpenDocumentError() const { return open_error_; }
  // True when no document remains open. Asks before losing changes; the answer
  // Yes for a document never saved throws NoPathError (the caller then asks
  // for a name and saves as).
  bool CloseDocument();
  void SaveDocument() const;
  void SaveDocumentAs(const wpath& path) const;
  void BackupDocument() const;
  bool HasDocumentChanged() const;
  wpath DocumentPath() const;
  bool HasDocumentPath() const;

  // Recent projects, off until the host switches them on: then OpenDocument
  // (of a document made from the file, not the empty one left after a
  // failure) and SaveDocumentAs (once saved) put the path first in
  // RecentProjectList(). A list that cannot be written never makes them fail.
  void SetRecordRecentProjects(bool record) { record_recent_projects_ = record; }
  bool RecordsRecentProjects() const { return record_recent_projects_; }
  // The list kept in MRUFile() (RecentProjects.hpp tells its format), read
  // when first asked for, at most MaxNumRecentProjects() long: a lower value
  // cuts the list, writing it, when the list is next asked for or added to.
  RecentProjects& RecentProjectList() { return Recent(); }

  // Reports. The page is CommonAppDataPath() / "Report.html"; an old page is
  // removed first. Each throws ReportGenerationError naming a missing input
  // file or engine, and ReportEngineError when the engine cannot be started.
  // The engines run without being waited for: the page appears when they end
  // (WaitForReportEngine waits for that). An engine that is not a program
  // (on POSIX: has no execute permission bit) gives ReportEngineError(11).

  // GenerateHTMLReport(xml, ReportTransform(xml)).
  wpath GenerateHTMLReport(const wpath& xml) const;
  // The page, by the engine the XSLTEngine option names; an empty path (and
  // no page) for an unknown engine.
  wpath GenerateHTMLReport(const wpath& xml, const wpath& xsl) const;
  // A page whose script lets the browser's MSXML transform `xml` when shown,
  // written through SafeFileWriter, in binary mode (the same bytes on every
  // system), in the ISO-8859-1 it declares: what Latin-1 lacks becomes &#N; in
  // its text and \uXXXX in its script's strings, where quotes, '<' and control
  // characters are escaped too. Backslashes in the paths become '/'.
  wpath CallMSXMLEngine(const wpath& xml, const wpath& xsl, const wpath& html) const;
  // EnginePath() / "AltovaXML" (".exe" on Windows).
  wpath CallAltovaEngine(const wpath& xml, const wpath& xsl, const wpath& html) const;
  // EnginePath() / "xsltproc" (".exe" on Windows); on Debian, a link to the
  // xsltproc package's /usr/bin/xsltproc.
  wpath CallLibXSLTEngine(const wpath& xml, const wpath& xsl, const wpath& html) const;

  // Waits until the engine started by this application's last external-engine
  // report has ended, and returns its exit code (0: it succeeded); -1 at once
  // when there is none to wait for (the MSXML route, or waited for already),
  // and -1 when it did not end normally. Beyond the reports' own protocol,
  // which leaves waiting to the host.
  int WaitForReportEngine() const;
  // Reads LatestVersionPath() and broadcasts "The latest release of this
  // program is version <Version/>" (after any download error message).
  void BroadcastLatestVersion() const;

  // Manuals and help. RegisterManual registers in the application's own
  // library and in the process-wide one, which the Has... queries consult.
  void RegisterManual(boost::shared_ptr<ElectronicDocument> document);
  const DocumentLibrary& Manuals() const { return *manuals_; }
  void OpenQuickStartGuide() const;
  void OpenUserManual() const;
  void OpenReferenceManual() const;
  bool HasQuickStartGuide() const;
  bool HasUserManual() const;
  bool HasReferenceManual() const;
  void OpenHelpContents() const;
  void OpenHelpTopic(unsigned int topic) const;

  // Program log, one for the process: the standard wide log stream goes into
  // `file` from now on (added to when AppendToLog(), else replaced), and the
  // file stays open until the process ends. When the file cannot be opened,
  // reports "Could not open the error log" on the standard wide error stream
  // and leaves the standard log stream (and any log already open) as it was.
  // The log is a regular file of its own (LogFileStream), written in UTF-8: a
  // symbolic link at its name is refused as a file that cannot be opened, and
  // neither the link nor what it names is changed (internal/ProgramLog.hpp).
  void CreateProgramLog(const wpath& file);
  // Writes the closing lines if a log is open; the log stays open, so that
  // later output still lands in it (a second call writes them again). A host
  // calls it before it exits.
  void CloseProgramLog();
  // Whether the process's program log is open (by the constructor, when the
  // options or the command line asked for it, or by CreateProgramLog).
  static bool IsProgramLogOpen();
  // CommonAppDataPath() / the log file name given to the constructor: where
  // the constructor opens the log. A host that keeps a log for one run
  // whatever the options say opens it there:
  //   if (!app->IsProgramLogOpen()) app->CreateProgramLog(app->ProgramLogFile());
  wpath ProgramLogFile() const;
  // Starts another instance of the running program on `project`, quoted
  // (QuoteCommandLineArgument) so that it arrives as one argument whatever it
  // holds; reports the outcome as a message, never throws.
  void RunApplication(const wpath& project) const;

 private:
  void ScanCommandLine();
  RecentProjects& Recent() const;

  static std::wstring program_name;
  static std::wstring prefix;
  static boost::gregorian::date release_date;

  boost::shared_ptr<BaseDocument> document_;
  boost::shared_ptr<DocumentLibrary> manuals_;
  mutable StartedProgram report_engine_;
  std::wstring host_text_;
  std::wstring help_file_name_;
  std::wstring config_file_name_;
  std::wstring log_file_name_;
  std::wstring open_error_;
  bool options_loaded_at_start_ = false;
  // Every option, the class-wide ones through SharedProgramOptions' storage.
  detail::ProgramOptions options_;
  bool record_recent_projects_ = false;
  mutable std::unique_ptr<RecentProjects> recent_;
};

}  // namespace Orvanta
