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

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::ReadFile;
using testing::StreamCapture;
using testing::TestApplication;
using testing::ThrownText;

// The version packs the minor into the major's lowest bits; the folders are
// composed from the name and version, and only the common one is made.
TEST_F(ApplicationTest, VersionAndFolders) {
  TestApplication app;
  EXPECT_EQ(528u, BaseApplication::Version());
  const std::pair<wpath, wpath> cases[] = {
      {app.ConfigFile(), appData / "Options.xml"},
      {BaseApplication::MRUFile(), appData / "MRU.ini"},
      {app.HelpFile(), app.BranchPath() / "Help" / "Help.chm"},
      {BaseApplication::WindowsDriversPath(), home_.Path() / "system" / "drivers"},
      {BaseApplication::ProgramFilesOrvantaPath(), home_.Path() / "programs" / "Orvanta"},
      {BaseApplication::LatestVersionPath(),
       wstring_to_path(L"http://www.orvanta.example/Test\u00e5pp/latest_version.xml")},
  };
  for (const auto& c : cases) EXPECT_EQ(c.second, c.first);

  foldersExist = false;
  EXPECT_EQ("Cannot find the operating system's common application data folder",
            ThrownText([] { BaseApplication::CommonAppDataPath(); }));
  EXPECT_EQ("Cannot find the requested system folder (CSID = 9999)",
            ThrownText([] { detail::ShellFolder(9999, 1990); }));
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
  journal.clear();
  BaseApplication::SetBackupExtension(".old");
  EXPECT_TRUE(app.LoadUserOptions(false));
  ofstream(app.ConfigFile(), std::ios::binary) << "<ProgramOptions";
  EXPECT_FALSE(app.LoadUserOptions(false));
  EXPECT_FALSE(app.LoadUserOptions(true));  // silent
  EXPECT_EQ(".bak", BaseApplication::BackupExtension());
  ASSERT_EQ(4u, journal.size());
  EXPECT_EQ("  User options successfully loaded from '" + path_to_string(app.ConfigFile()) + "'",
            journal[1]);
  EXPECT_EQ(0u, journal[3].find("  Error loading user options: ")) << journal[3];
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
    EXPECT_TRUE(fs::exists(appData / "Program.log"));
    app.CloseProgramLog();
    app.SetWriteProgramLog(false);
    app.SaveUserOptions();
  }
  const std::string firstRun = ReadFile(appData / "Program.log");
  TestApplication app;  // the stored 0 wins over the switch
  EXPECT_FALSE(app.WriteProgramLog());
  EXPECT_EQ(firstRun, ReadFile(appData / "Program.log"));
}

// Runs are replaced or appended, also to a log left read-only; one that cannot
// be opened leaves the standard log stream and the open log where they were.
TEST(ProgramLog, RunsAreReplacedOrAppendedAndAFailedOpenChangesNothing) {
  const std::string hyphens(44, '-'), time = "\\d{4}-[A-Z][a-z]{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}";
  const std::string stop = "Application stopped at: " + time + "\n" + hyphens + "\n";
  const std::string start = hyphens + "\nApplication started at: " + time + "\n";
  testing::TemporaryFolder home;
  wpath file = home.Path() / "Program.log";
  StreamCapture errors(std::wcerr);
  std::wstreambuf* const previous = std::wclog.rdbuf();
  for (const bool append : {false, false, true}) {
    if (append) MakeFileReadOnly(file);
    detail::ProgramLog log;
    log.Open(file, append);
    std::wclog << L"run \u00b0" << std::endl;
    log.WriteStopLines();
  }
  {
    detail::ProgramLog log;
    log.Open(file, true);
    log.Open(home.Path(), false);  // a folder: the open log stays
    std::wclog << L"error broadcast" << std::endl;
    log.WriteStopLines();
  }
  EXPECT_EQ(previous, std::wclog.rdbuf());
  EXPECT_EQ(L"Could not open the error log\n", errors.Text());
  const std::string run = start + "run \xC2\xB0\n" + stop;
  EXPECT_TRUE(
      std::regex_match(ReadFile(file), std::regex(run + run + start + "error broadcast\n" + stop)))
      << ReadFile(file);
}

// The options write the exact default file and read back what they wrote;
// older, broken and newer files leave what was read before the fault.
TEST(ProgramOptions, DefaultsWriteTheExactFileAndReadBack) {
  SharedProgramOptions::Values shared;
  detail::ProgramOptions options(shared);
  std::ostringstream file, again;
  options.Write(file);
  EXPECT_EQ(ReadFile(wpath(ORVANTA_APPLICATION_DATA) / "DefaultOptions.xml"), file.str());
  options.xslt_engine = 2;
  shared = {3, false, ".old"};
  std::istringstream in(file.str());
  options.Read(in);
  options.Write(again);
  EXPECT_EQ(file.str(), again.str());

  const auto replaced = [](const std::string& text, const std::string& from, const char* to) {
    return boost::algorithm::replace_first_copy(text, from, to);
  };
  const std::string version3 =
      replaced(file.str(), "<clear_messages_on_doc_closed>0</clear_messages_on_doc_closed>\n", "");
  const struct {
    std::string file;
    bool read;       // whether it was read whole
    bool firstRead;  // whether the first element was read (and kept)
  } cases[] = {
      {replaced(version3, "\"3\"", "\"2\""), true, true},      // version 2 had no such element
      {replaced(file.str(), "\"3\"", "\"4\""), false, false},  // newer
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    detail::ProgramOptions changed(shared);
    changed.clear_messages_on_doc_closed = true;
    changed.internal_browser = false;
    std::istringstream text(c.file);
    EXPECT_EQ(c.read, ThrownText([&] { changed.Read(text); }) == "nothing thrown");
    EXPECT_EQ(c.firstRead, changed.internal_browser);
    EXPECT_TRUE(changed.clear_messages_on_doc_closed);  // version 2 keeps it, failures too
  }
}

// The engines' commands with paths that hold blanks, quotes and backslashes:
// each path reaches the engine whole.
TEST(ReportEngines, TableAndCommands) {
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
    const detail::EngineCommand command =
        detail::MakeEngineCommand(*detail::FindReportEngine(c.engine), wstring_to_path(x),
                                  wstring_to_path(s), wstring_to_path(h));
    EXPECT_EQ(c.text, command.text);
    EXPECT_EQ(c.arguments, SplitCommandLine(command.text));
  }
}

}  // namespace
}  // namespace Orvanta
