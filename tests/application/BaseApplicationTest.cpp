// BaseApplication and the parts it is made of: identity, folders, help,
// options, the program log and the report engines' commands.
#include <gtest/gtest.h>

#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem/operations.hpp>
#include <regex>

#include "TestApplication.hpp"
#include "orvanta/application/internal/ApplicationFolders.hpp"
#include "orvanta/application/internal/ProgramLog.hpp"
#include "orvanta/application/internal/ProgramOptions.hpp"
#include "orvanta/application/internal/ReportEngines.hpp"
#include "orvanta/platform/FileAttributes.hpp"
#include "orvanta/platform/HelpViewer.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::Entries;
using testing::ReadFile;
using testing::StreamCapture;
using testing::TestApplication;
using testing::ThrownText;

TEST_F(ApplicationTest, IdentityAndVersions) {
  TestApplication app;
  EXPECT_EQ(L"Test\u00e5pp", app.Name());
  EXPECT_EQ(L"TST", BaseApplication::Prefix());
  EXPECT_EQ(boost::gregorian::date(2026, 12, 5), BaseApplication::ReleaseDate());
  EXPECT_EQ(528u, BaseApplication::Version());
  EXPECT_EQ(L"2.1", BaseApplication::VersionAsText());
  EXPECT_EQ(L"2.1.3", BaseApplication::FullReleaseVersion());
  EXPECT_EQ(45u, BaseApplication::BuildNumber());
  EXPECT_EQ(L"Release|BCC|32-bit", BaseApplication::DevelopmentInformation());
  SetProgramVersion(1, 16, 0, 0, L"1.16");
  EXPECT_EQ(512u, BaseApplication::Version());  // the minor overlaps the major
}

TEST_F(ApplicationTest, FoldersAreComposedAndCreatedAsTheTableSays) {
  TestApplication app;  // loads its options: the common folder exists now
  const wpath data = AppData();
  const wpath docs = home_.Path() / "docs" / "Orvanta" / wstring_to_path(L"Test\u00e5pp") / "2.1.3";
  EXPECT_TRUE(fs::is_directory(data));
  EXPECT_FALSE(fs::exists(docs));
  const std::pair<wpath, wpath> cases[] = {
      {BaseApplication::CommonAppDataPath(), data},
      {BaseApplication::CommonDocumentsPath(), docs},
      {app.ConfigFile(), data / "Options.xml"},
      {BaseApplication::MRUFile(), data / "MRU.ini"},
      {BaseApplication::XMLReport(), data / "Report.xml"},
      {BaseApplication::MaterialsPath(), data / "Materials"},
      {BaseApplication::SectionsPath(), data / "Sections"},
      {BaseApplication::TempPath(), data / "Temp"},
      {BaseApplication::TutorialsPath(), docs / "Tutorials"},
      {BaseApplication::ProjectsPath(), app.BranchPath() / "Projects"},
      {BaseApplication::EnginePath(), app.BranchPath() / "Engines"},
      {app.HelpFile(), app.BranchPath() / "Help" / "Help.chm"},
      {BaseApplication::MaterialsLibraryPath(), BaseApplication::InitialPath() / "Materials"},
      {BaseApplication::WindowsDriversPath(), home_.Path() / "system" / "drivers"},
      {BaseApplication::ProgramFilesOrvantaPath(), home_.Path() / "programs" / "Orvanta"},
      {BaseApplication::LatestVersionPath(),
       wstring_to_path(L"http://www.orvanta.example/Test\u00e5pp/latest_version.xml")},
  };
  for (const auto& c : cases) EXPECT_EQ(c.second, c.first);
  // Only the parents were made: the folders and files themselves were not.
  EXPECT_TRUE(fs::is_directory(docs));
  for (const char* name : {"Materials", "Sections", "Temp", "MRU.ini", "Report.xml"})
    EXPECT_FALSE(fs::exists(data / name)) << name;
  EXPECT_FALSE(fs::exists(docs / "Tutorials"));
  EXPECT_FALSE(BaseApplication::HasMRUFile());
  EXPECT_FALSE(app.HasHelpFile());
  // Made again, the common folder keeps what it holds.
  const wpath kept = data / "kept";
  ofstream(kept) << "x";
  EXPECT_EQ(data, detail::CommonProgramFolder(L"Test\u00e5pp", ShellFolderCommonAppData, 1988));
  EXPECT_TRUE(fs::exists(kept));
}

TEST_F(ApplicationTest, MissingShellFoldersThrowTheirTexts) {
  foldersExist = false;
  EXPECT_EQ("Cannot find the operating system's common application data folder",
            ThrownText([] { BaseApplication::CommonAppDataPath(); }));
  EXPECT_EQ("Cannot find the operating system's common document folder",
            ThrownText([] { BaseApplication::TutorialsPath(); }));
  EXPECT_EQ("Cannot find the operating system's known folder 46",
            ThrownText([] { detail::ShellFolder(46, 1995); }));
  EXPECT_EQ("Cannot find the requested system folder (CSID = 9999)",
            ThrownText([] { detail::ShellFolder(9999, 1990); }));
  // The folder the program started in is captured once.
  const wpath first = detail::InitialFolder(), previous = fs::current_path();
  fs::current_path(home_.Path());
  EXPECT_EQ(first, detail::InitialFolder());
  fs::current_path(previous);
}

// Help files: contents and topics (0 too) by each viewer's own commands.
TEST_F(ApplicationTest, HelpFilesSendTheirViewersTheirCommands) {
  std::vector<std::string> sent;
  const HelpViewerHandler previous = SetHelpViewerHandler(
      [&sent](HelpFormat format, const wpath& file, unsigned int command, unsigned long data) {
        sent.push_back((format == HelpFormat::WinHelp ? "WinHelp " : "HtmlHelp ") +
                       file.filename().string() + " " + std::to_string(command) + " " +
                       std::to_string(data));
      });
  TestApplication app;
  HLP(L"Old.hlp", home_.Path()).Open();
  HLP(L"Old.hlp", home_.Path()).OpenTopic(0);
  CHM(L"New.chm", home_.Path()).OpenTopic(0);
  app.OpenHelpContents();
  app.OpenHelpTopic(42);
  SetHelpViewerHandler(previous);
  EXPECT_EQ((std::vector<std::string>{"WinHelp Old.hlp 3 0", "WinHelp Old.hlp 1 0",
                                      "HtmlHelp New.chm 15 0", "HtmlHelp Help.chm 1 0",
                                      "HtmlHelp Help.chm 15 42"}),
            sent);
}

// The class-wide options go to the file and come back with the others; each
// load that is not silent broadcasts one leaf that says how it went.
TEST_F(ApplicationTest, OptionsSaveAndLoadThroughTheLogAndSayHowItWent) {
  TestApplication app;
  StreamCapture log;
  ASSERT_TRUE(app.SaveUserOptions());
  EXPECT_EQ(L"Saving configuration file: " + path_to_wstring(app.ConfigFile()) +
                L"\nWriting to XML archive\nFinished writing archive\n\n",
            log.Text());
  EXPECT_FALSE(fs::exists(wpath(app.ConfigFile()) += ".new"));

  journal.clear();
  app.SetInternalBrowser(false);
  BaseApplication::SetAutomaticBackup(false);
  BaseApplication::SetBackupExtension(".old");
  BaseApplication::SetMessageThreshold(3);
  EXPECT_TRUE(app.LoadUserOptions(false));
  ofstream(app.ConfigFile(), std::ios::binary) << "<ProgramOptions";
  EXPECT_FALSE(app.LoadUserOptions(false));
  EXPECT_FALSE(app.LoadUserOptions(true));  // silent
  EXPECT_TRUE(app.UseInternalBrowser());
  EXPECT_TRUE(BaseApplication::AutomaticBackup());
  EXPECT_EQ(".bak", BaseApplication::BackupExtension());
  EXPECT_EQ(1, BaseApplication::MessageThreshold());
  ASSERT_EQ(4u, journal.size());
  EXPECT_EQ("  User options successfully loaded from '" + path_to_string(app.ConfigFile()) + "'",
            journal[1]);
  EXPECT_EQ(0u, journal[3].find("  Error loading user options: ")) << journal[3];
  EXPECT_NE(std::wstring::npos,
            log.Text().find(L"Reading from XML archive\nFinished reading archive\n\n"));
}

TEST_F(ApplicationTest, SwitchesAndOptionsFileDecideTheLog) {
  SetCommandLine({L"test", L"-LOG", L"-logx", L"/nosplash"});
  {
    TestApplication app;
    EXPECT_FALSE(app.WriteProgramLog());
    EXPECT_FALSE(app.ShowSplashScreen());
  }
  SetCommandLine({L"test", L"-log"});
  {
    TestApplication app;
    EXPECT_TRUE(app.WriteProgramLog());
    EXPECT_TRUE(app.ShowSplashScreen());  // only its own switch turns it off
    EXPECT_TRUE(fs::exists(AppData() / "Program.log"));
    app.CloseProgramLog();
    app.SetWriteProgramLog(false);
    app.SaveUserOptions();
  }
  const std::string firstRun = ReadFile(AppData() / "Program.log");
  TestApplication app;  // the stored 0 wins over the switch
  EXPECT_FALSE(app.WriteProgramLog());
  EXPECT_EQ(firstRun, ReadFile(AppData() / "Program.log"));
}

TEST_F(ApplicationTest, DrawingBoardAndAppearance) {
  TestApplication app;
  app.SetDrawingBoardExtents(Units::Length(5.0), Units::Length(2.0), Units::Length(4.0));
  EXPECT_EQ(
      "Attempting to set invalid drawing board extents: depth = 5 m; height = 2 m; width = 0 m",
      ThrownText([&] {
        app.SetDrawingBoardExtents(Units::Length(5.0), Units::Length(2.0),
                                   Units::Length(0.0, Units::mm));
      }));
  EXPECT_EQ(-4.0, app.DrawingBoardExtents().MinY().value());
  EXPECT_EQ(5.0, app.DrawingBoardExtents().MaxZ().value());
  EXPECT_EQ(-2.0, app.DrawingBoardExtents().MinZ().value());

  struct Appearance {
    void On(int value) { seen.push_back(value); }
    std::vector<int> seen;
  } appearance;
  auto& hub = *Signals::SignalManager::Instance();
  hub.ConnectToVisualAppearanceChanged(&appearance, &Appearance::On);
  app.SetVisualAppearance(6);
  app.SetVisualAppearance(6);  // announced even when unchanged
  hub.DisconnectFromVisualAppearanceChanged(&appearance, &Appearance::On);
  EXPECT_EQ((std::vector<int>{6, 6}), appearance.seen);
}

const std::string kHyphens(44, '-');
const std::string kTime = "\\d{4}-[A-Z][a-z]{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}";
const std::string kStop = "Application stopped at: " + kTime + "\n" + kHyphens + "\n";
const std::string kStart = kHyphens + "\nApplication started at: " + kTime + "\n";

// One program run writing a line to the log, which gives std::wclog back.
void LogRun(const wpath& file, bool append, const wchar_t* line) {
  std::wstreambuf* const previous = std::wclog.rdbuf();
  {
    detail::ProgramLog log;
    log.Open(file, append);
    std::wclog << line << std::endl;
    log.WriteStopLines();
  }
  EXPECT_EQ(previous, std::wclog.rdbuf());
}

// Runs are replaced or appended, also to a log left read-only; the log stays
// open after its closing lines, and one that cannot be opened leaves the
// standard log stream and the open log where they were.
TEST(ProgramLog, RunsAreReplacedOrAppendedAndAFailedOpenChangesNothing) {
  testing::TemporaryFolder home;
  wpath file = home.Path() / "Program.log";
  LogRun(file, false, L"first \u00b0");
  LogRun(file, false, L"second");
  MakeFileReadOnly(file);
  LogRun(file, true, L"third \u00b0");
  const std::string runs = kStart + "second\n" + kStop + kStart + "third \xC2\xB0\n" + kStop;
  EXPECT_TRUE(std::regex_match(ReadFile(file), std::regex(runs))) << ReadFile(file);
  EXPECT_FALSE(IsFileReadOnly(file));

  StreamCapture errors(std::wcerr);
  std::wstreambuf* const previous = std::wclog.rdbuf();
  {
    detail::ProgramLog log;
    log.Open(home.Path(), false);  // a folder
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(previous, std::wclog.rdbuf());
    log.Open(file, false);
    log.WriteStopLines();
    std::wclog << L"options saved" << std::endl;
    log.Open(home.Path(), false);
    std::wclog << L"error broadcast" << std::endl;
    log.WriteStopLines();
  }
  EXPECT_EQ(previous, std::wclog.rdbuf());
  EXPECT_EQ(L"Could not open the error log\nCould not open the error log\n", errors.Text());
  EXPECT_TRUE(std::regex_match(
      ReadFile(file), std::regex(kStart + kStop + "options saved\nerror broadcast\n" + kStop)))
      << ReadFile(file);
}

// The class-wide options live in a storage of the test's own, not the process's.
TEST(ProgramOptions, DefaultsWriteTheExactFileAndReadBack) {
  SharedProgramOptions::Values shared;
  shared.backup_ext = ".old";
  detail::ProgramOptions options(shared);  // every option at its default, `shared` too
  std::ostringstream file, again;
  options.Write(file);
  EXPECT_EQ(ReadFile(wpath(ORVANTA_APPLICATION_DATA) / "DefaultOptions.xml"), file.str());
  options.internal_browser = false;
  options.xslt_engine = 2;
  options.drawing_extents =
      detail::DrawingBoard(Units::Length(1.0), Units::Length(2.0), Units::Length(3.0));
  options.max_num_recent_projects = 4;
  shared = {3, false, ".old"};
  std::istringstream in(file.str());
  options.Read(in);
  options.Write(again);
  EXPECT_EQ(file.str(), again.str());

  // Older, broken and newer files, read into changed options.
  const auto replaced = [](const std::string& text, const std::string& from, const char* to) {
    return boost::algorithm::replace_first_copy(text, from, to);
  };
  const std::string version3 =
      replaced(file.str(), "<clear_messages_on_doc_closed>0</clear_messages_on_doc_closed>\n", "");
  const struct {
    const char* name;
    std::string file;
    bool read;       // whether it was read whole
    bool firstRead;  // whether the first element was read (and kept)
  } cases[] = {
      {"version 2 without the element", replaced(version3, "\"3\"", "\"2\""), true, true},
      {"version 3 without it", version3, false, true},
      {"missing another element", replaced(file.str(), "<startup_view>0</startup_view>\n", ""),
       false, true},
      {"newer version", replaced(file.str(), "version=\"3\"", "version=\"4\""), false, false},
      {"not XML", "<ProgramOptions", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    detail::ProgramOptions changed(shared);
    changed.clear_messages_on_doc_closed = true;
    changed.internal_browser = false;
    std::istringstream text(c.file);
    EXPECT_EQ(c.read, ThrownText([&] { changed.Read(text); }) == "nothing thrown");
    EXPECT_EQ(c.firstRead, changed.internal_browser);   // partly read options stay read
    EXPECT_TRUE(changed.clear_messages_on_doc_closed);  // version 2 keeps it, failures too
  }
}

// The engines by their option values, and their commands with paths that
// hold blanks, quotes and backslashes: each path reaches the engine whole.
TEST(ReportEngines, TableAndCommands) {
  EXPECT_EQ(nullptr, detail::FindReportEngine(0));  // MSXML: no program
  EXPECT_EQ(nullptr, detail::FindReportEngine(7));
  const std::wstring x = L"in put/s\u00e9ctions.xml", s = L"q\"uote \\\" -o \"x/report.xsl\\",
                     h = L"out/Report.html", q = QuoteCommandLineArgument(s);
  const struct {
    int engine;
    std::vector<std::wstring> arguments;
    std::wstring text;
  } cases[] = {
      {1,
       {L"-xslt1", s, L"-in", x, L"-out", h},
       L"-xslt1 " + q + L" -in \"" + x + L"\" -out \"" + h + L"\""},
      {2, {L"-novalid", L"-o", h, s, x}, L"-novalid -o \"" + h + L"\" " + q + L" \"" + x + L"\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.engine);
    const detail::ReportEngine* engine = detail::FindReportEngine(c.engine);
    ASSERT_NE(nullptr, engine);
    const detail::EngineCommand command = detail::MakeEngineCommand(
        *engine, wstring_to_path(x), wstring_to_path(s), wstring_to_path(h));
    EXPECT_EQ(c.arguments, command.arguments);
    EXPECT_EQ(c.text, command.text);
    EXPECT_EQ(c.arguments, SplitCommandLine(command.text));
  }
}

}  // namespace
}  // namespace Orvanta
