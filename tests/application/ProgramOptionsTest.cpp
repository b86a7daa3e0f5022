#include <gtest/gtest.h>

#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem/operations.hpp>
#include <iostream>
#include <sstream>

#include "TestApplication.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/platform/FileStream.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::ReadFile;
using testing::TestApplication;

std::string Golden(const char* name) {
  return ReadFile(wpath(ORVANTA_APPLICATION_DATA) / name);
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

TEST_F(ApplicationTest, DefaultsSaveToTheExactFileAndLoadBack) {
  TestApplication app;
  LogCapture log;
  ASSERT_TRUE(app.SaveUserOptions());
  EXPECT_EQ(Golden("DefaultOptions.xml"), ReadFile(app.ConfigFile()));
  EXPECT_EQ(L"Saving configuration file: " + path_to_wstring(app.ConfigFile()) +
                L"\nWriting to XML archive\nFinished writing archive\n\n",
            log.Text());
  EXPECT_FALSE(fs::exists(app.ConfigFile().string() + ".new"));

  app.SetInternalBrowser(false);
  app.SetXSLTEngine(BaseApplication::XSLTProc);
  app.SetDrawingBoardExtents(Units::Length(1.0), Units::Length(2.0), Units::Length(3.0));
  BaseApplication::SetAutomaticBackup(false);
  BaseApplication::SetBackupExtension(".old");
  BaseApplication::SetMessageThreshold(3);
  app.SetMaxNumRecentProjects(4);
  journal.clear();
  ASSERT_TRUE(app.LoadUserOptions(false));
  EXPECT_TRUE(app.UseInternalBrowser());
  EXPECT_EQ(BaseApplication::AltovaXML, app.XSLTEngine());
  EXPECT_EQ(-30.0, app.DrawingBoardExtents().MinX().value());
  EXPECT_EQ(50.0, app.DrawingBoardExtents().MaxZ().value());
  EXPECT_EQ(-10.0, app.DrawingBoardExtents().MinZ().value());
  EXPECT_TRUE(BaseApplication::AutomaticBackup());
  EXPECT_EQ(".bak", BaseApplication::BackupExtension());
  EXPECT_EQ(1, BaseApplication::MessageThreshold());
  EXPECT_EQ(10u, app.MaxNumRecentProjects());
  EXPECT_EQ((std::vector<std::string>{"Loading user options"}), journal);
  EXPECT_NE(std::wstring::npos, log.Text().find(L"Reading from XML archive\nFinished reading archive\n\n"));
}

// Each case rewrites the saved defaults, loads them into changed options, and
// checks the outcome and the one message of the load.
TEST_F(ApplicationTest, LoadingOlderBrokenAndNewerFiles) {
  const std::string good = Golden("DefaultOptions.xml");
  const std::string clearLine = "<clear_messages_on_doc_closed>0</clear_messages_on_doc_closed>\n";
  std::string version2 = boost::algorithm::replace_first_copy(good, clearLine, "");
  boost::algorithm::replace_first(version2, "version=\"3\"", "version=\"2\"");
  const struct {
    const char* name;
    std::string file;
    bool loaded;
    bool firstRead;       // whether the first element was read (and kept)
    const char* message;  // the start of the leaf's text
  } cases[] = {
      {"version 2 without the element", version2, true, true, "User options successfully loaded from '"},
      {"version 3 without it", boost::algorithm::replace_first_copy(good, clearLine, ""), false,
       true, "Error loading user options: "},
      {"missing another element",
       boost::algorithm::replace_first_copy(good, "<startup_view>0</startup_view>\n", ""), false,
       true, "Error loading user options: "},
      {"newer version", boost::algorithm::replace_first_copy(good, "version=\"3\"", "version=\"4\""),
       false, false, "Error loading user options: "},
      {"not XML", "<ProgramOptions", false, false, "Error loading user options: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestApplication app;
    ofstream(app.ConfigFile(), std::ios::binary) << c.file;
    app.SetClearMessagesOnDocumentClosed(true);
    app.SetInternalBrowser(false);
    struct Catcher {
      void On(boost::shared_ptr<Message> m, bool) { message = m; }
      boost::shared_ptr<Message> message;
    } catcher;
    Signals::SignalManager::Instance()->ConnectToBroadcast(&catcher, &Catcher::On);
    LogCapture log;
    EXPECT_EQ(c.loaded, app.LoadUserOptions(false));
    Signals::SignalManager::Instance()->DisconnectFromBroadcast(&catcher, &Catcher::On);
    ASSERT_TRUE(catcher.message);
    const auto& leaves = catcher.message->GetComposite()->Children();
    ASSERT_EQ(1u, leaves.size());
    EXPECT_EQ(0u, wstring_to_string(leaves[0]->Text()).find(c.message))
        << wstring_to_string(leaves[0]->Text());
    EXPECT_EQ(c.firstRead, app.UseInternalBrowser());  // partly read options stay read
    if (c.loaded) {
      EXPECT_TRUE(app.ClearMessagesOnDocumentClosed());  // kept its value
    }
  }
}

TEST_F(ApplicationTest, MissingFileAndUnwritableFile) {
  TestApplication app;
  journal.clear();
  EXPECT_FALSE(app.LoadUserOptions(true));
  EXPECT_TRUE(journal.empty());  // silent
  EXPECT_FALSE(app.LoadUserOptions(false));
  ASSERT_EQ(1u, journal.size());

  fs::create_directory(app.ConfigFile());  // a folder where the file should be
  fs::create_directory(app.ConfigFile().string() + ".new");
  EXPECT_FALSE(app.SaveUserOptions());
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
    app.SetDrawingBoardExtents(Units::Length(5.0), Units::Length(2.0), Units::Length(0.0, Units::mm));
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
  Signals::SignalManager::Instance()->ConnectToVisualAppearanceChanged(&appearance, &Appearance::On);
  app.SetVisualAppearance(6);
  app.SetVisualAppearance(6);
  Signals::SignalManager::Instance()->DisconnectFromVisualAppearanceChanged(&appearance,
                                                                            &Appearance::On);
  EXPECT_EQ((std::vector<int>{6, 6}), appearance.seen);
}

}  // namespace
}  // namespace Orvanta
