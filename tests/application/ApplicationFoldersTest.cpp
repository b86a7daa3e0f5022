#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "TestApplication.hpp"
#include "orvanta/platform/HelpViewer.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
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

TEST_F(ApplicationTest, InitialPathIsCapturedOnce) {
  const wpath first = BaseApplication::InitialPath();
  const wpath previous = fs::current_path();
  fs::current_path(home_.Path());
  EXPECT_EQ(first, BaseApplication::InitialPath());
  fs::current_path(previous);
}

TEST_F(ApplicationTest, MissingFoldersThrowTheirTexts) {
  TestApplication app;
  foldersExist = false;
  const auto text = [](auto call) -> std::string {
    try {
      call();
    } catch (const Error& error) {
      return error.what();
    }
    return "nothing thrown";
  };
  EXPECT_EQ("Cannot find the operating system's common application data folder",
            text([] { BaseApplication::CommonAppDataPath(); }));
  EXPECT_EQ("Cannot find the operating system's common application data folder",
            text([&] { app.ConfigFile(); }));
  EXPECT_EQ("Cannot find the operating system's common document folder",
            text([] { BaseApplication::TutorialsPath(); }));
  EXPECT_EQ("Cannot find the operating system's known folder 46",
            text([] { BaseApplication::KnownFolderPath(46); }));
  EXPECT_EQ("Cannot find the operating system's known folder 9999",
            text([] { BaseApplication::KnownFolderPath(9999); }));
}

}  // namespace
}  // namespace Orvanta
