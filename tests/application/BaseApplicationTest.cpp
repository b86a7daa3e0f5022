// BaseApplication itself: what it is made from, how it composes its folders
// and what its options operations report. Its parts have tests of their own.
#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>
#include <iostream>
#include <sstream>

#include "TestApplication.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/platform/HelpViewer.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::ReadFile;
using testing::TestApplication;

TEST_F(ApplicationTest, IdentityAndVersions) {
  TestApplication app;
  EXPECT_EQ(L"Test\u00e5pp", BaseApplication::ProgramName());
  EXPECT_EQ(L"TST", BaseApplication::Prefix());
  EXPECT_EQ(boost::gregorian::date(2026, 12, 5), BaseApplication::ReleaseDate());
  EXPECT_EQ(L"Test\u00e5pp", app.Name());
  EXPECT_EQ(L"host text", app.HostText());
  EXPECT_EQ(528u, BaseApplication::Version());
  EXPECT_EQ(L"2.1", BaseApplication::VersionAsText());
  EXPECT_EQ(L"2.1.3", BaseApplication::FullReleaseVersion());
  EXPECT_EQ(45u, BaseApplication::BuildNumber());
  EXPECT_EQ(L"2.1.3", BaseApplication::ProductVersion());
  EXPECT_EQ(L"Release|BCC|32-bit", BaseApplication::DevelopmentInformation());

  SetProgramVersion(1, 16, 0, 0, L"1.16");
  EXPECT_EQ(512u, BaseApplication::Version());  // the minor overlaps the major
  SetProgramVersion(2, 0, 0, 0, L"2.0");
  EXPECT_EQ(512u, BaseApplication::Version());
}

TEST_F(ApplicationTest, FoldersAreComposedAndCreatedAsTheTableSays) {
  TestApplication app;  // loads its options: the common folder exists now
  const wpath data = AppData();
  const wpath docs = home_.Path() / "docs" / "Orvanta" / wstring_to_path(L"Test\u00e5pp") / "2.1.3";
  EXPECT_TRUE(fs::is_directory(data));
  EXPECT_FALSE(fs::exists(docs));

  const struct {
    const char* name;
    wpath path;
    wpath expected;
  } cases[] = {
      {"common app data", BaseApplication::CommonAppDataPath(), data},
      {"config file", app.ConfigFile(), data / "Options.xml"},
      {"MRU file", BaseApplication::MRUFile(), data / "MRU.ini"},
      {"report xml", BaseApplication::XMLReport(), data / "Report.xml"},
      {"materials", BaseApplication::MaterialsPath(), data / "Materials"},
      {"sections", BaseApplication::SectionsPath(), data / "Sections"},
      {"temp", BaseApplication::TempPath(), data / "Temp"},
      {"tutorials", BaseApplication::TutorialsPath(), docs / "Tutorials"},
      {"common documents", BaseApplication::CommonDocumentsPath(), docs},
      {"projects", BaseApplication::ProjectsPath(), app.BranchPath() / "Projects"},
      {"engines", BaseApplication::EnginePath(), app.BranchPath() / "Engines"},
      {"help file", app.HelpFile(), app.BranchPath() / "Help" / "Help.chm"},
      {"materials library", BaseApplication::MaterialsLibraryPath(),
       BaseApplication::InitialPath() / "Materials"},
      {"drivers", BaseApplication::WindowsDriversPath(), home_.Path() / "system" / "drivers"},
      {"program files", BaseApplication::ProgramFilesOrvantaPath(),
       home_.Path() / "programs" / "Orvanta"},
      {"latest version", BaseApplication::LatestVersionPath(),
       wstring_to_path(L"http://www.orvanta.example/Test\u00e5pp/latest_version.xml")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, c.path);
  }
  // Only the parents were made: the folders and files themselves were not.
  EXPECT_TRUE(fs::is_directory(docs));
  for (const char* name : {"Materials", "Sections", "Temp", "MRU.ini", "Report.xml"})
    EXPECT_FALSE(fs::exists(data / name)) << name;
  EXPECT_FALSE(fs::exists(docs / "Tutorials"));
  EXPECT_FALSE(BaseApplication::HasMRUFile());
  EXPECT_FALSE(app.HasHelpFile());
  EXPECT_NE(BaseApplication::MaterialsPath(), BaseApplication::MaterialsLibraryPath());
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

// Sends the standard wide log stream into a string for one scope.
class LogCapture {
 public:
  LogCapture() : previous_(std::wclog.rdbuf(text_.rdbuf())) {}
  ~LogCapture() { std::wclog.rdbuf(previous_); }
  std::wstring Text() const { return text_.str(); }

 private:
  std::wostringstream text_;
  std::wstreambuf* previous_;
};

// The class-wide options go to the file and come back with the others; each
// load broadcasts one composite message whose one leaf says how it went.
TEST_F(ApplicationTest, OptionsSaveAndLoadThroughTheLogAndSayHowItWent) {
  TestApplication app;
  LogCapture log;
  ASSERT_TRUE(app.SaveUserOptions());
  EXPECT_EQ(L"Saving configuration file: " + path_to_wstring(app.ConfigFile()) +
                L"\nWriting to XML archive\nFinished writing archive\n\n",
            log.Text());
  EXPECT_FALSE(fs::exists(app.ConfigFile().string() + ".new"));

  struct Catcher {
    void On(boost::shared_ptr<Message> m, bool) {
      for (const auto& leaf : m->GetComposite()->Children()) leaves.push_back(leaf->Text());
    }
    std::vector<std::wstring> leaves;
  } catcher;
  Signals::SignalManager::Instance()->ConnectToBroadcast(&catcher, &Catcher::On);
  app.SetInternalBrowser(false);
  BaseApplication::SetAutomaticBackup(false);
  BaseApplication::SetBackupExtension(".old");
  BaseApplication::SetMessageThreshold(3);
  EXPECT_TRUE(app.LoadUserOptions(false));
  ofstream(app.ConfigFile(), std::ios::binary) << "<ProgramOptions";
  EXPECT_FALSE(app.LoadUserOptions(false));
  EXPECT_FALSE(app.LoadUserOptions(true));  // silent
  Signals::SignalManager::Instance()->DisconnectFromBroadcast(&catcher, &Catcher::On);
  EXPECT_TRUE(app.UseInternalBrowser());
  EXPECT_TRUE(BaseApplication::AutomaticBackup());
  EXPECT_EQ(".bak", BaseApplication::BackupExtension());
  EXPECT_EQ(1, BaseApplication::MessageThreshold());
  ASSERT_EQ(2u, catcher.leaves.size());
  EXPECT_EQ(L"User options successfully loaded from '" + path_to_wstring(app.ConfigFile()) + L"'",
            catcher.leaves[0]);
  EXPECT_EQ(0u, catcher.leaves[1].find(L"Error loading user options: "));
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
  {
    TestApplication app;  // the stored 0 wins over the switch
    EXPECT_FALSE(app.WriteProgramLog());
    EXPECT_EQ(firstRun, ReadFile(AppData() / "Program.log"));
  }
}

TEST_F(ApplicationTest, DrawingBoardExtentsAreValidated) {
  TestApplication app;
  app.SetDrawingBoardExtents(Units::Length(5.0), Units::Length(2.0), Units::Length(4.0));
  try {
    app.SetDrawingBoardExtents(Units::Length(5.0), Units::Length(2.0),
                               Units::Length(0.0, Units::mm));
    ADD_FAILURE() << "accepted a zero width";
  } catch (const Error& error) {
    EXPECT_STREQ(
        "Attempting to set invalid drawing board extents: depth = 5 m; height = 2 m; width = 0 m",
        error.what());
  }
  EXPECT_EQ(-4.0, app.DrawingBoardExtents().MinY().value());
  EXPECT_EQ(5.0, app.DrawingBoardExtents().MaxZ().value());
  EXPECT_EQ(-2.0, app.DrawingBoardExtents().MinZ().value());
}

struct Appearance {
  void On(int value) { seen.push_back(value); }
  std::vector<int> seen;
};

TEST_F(ApplicationTest, VisualAppearanceIsAlwaysAnnounced) {
  TestApplication app;
  Appearance appearance;
  Signals::SignalManager::Instance()->ConnectToVisualAppearanceChanged(&appearance,
                                                                       &Appearance::On);
  app.SetVisualAppearance(6);
  app.SetVisualAppearance(6);
  Signals::SignalManager::Instance()->DisconnectFromVisualAppearanceChanged(&appearance,
                                                                            &Appearance::On);
  EXPECT_EQ((std::vector<int>{6, 6}), appearance.seen);
}

}  // namespace
}  // namespace Orvanta
