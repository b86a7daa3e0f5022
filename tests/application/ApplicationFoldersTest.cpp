#include "orvanta/application/internal/ApplicationFolders.hpp"

#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "TestApplication.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;

// No application is made here: the fixture only gives the shell's folders.
TEST_F(ApplicationTest, CommonProgramFolderIsMadeOnceWithEveryParent) {
  EXPECT_FALSE(fs::exists(dataFolder));
  const wpath folder = detail::CommonProgramFolder(L"Test\u00e5pp", ShellFolderCommonAppData, 1988);
  EXPECT_EQ(AppData(), folder);
  EXPECT_TRUE(fs::is_directory(folder));
  const wpath kept = folder / "kept";
  ofstream(kept) << "x";
  EXPECT_EQ(folder, detail::CommonProgramFolder(L"Test\u00e5pp", ShellFolderCommonAppData, 1988));
  EXPECT_TRUE(fs::exists(kept));
}

TEST_F(ApplicationTest, MissingShellFoldersThrowTheirTexts) {
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
            text([] { detail::CommonProgramFolder(L"Test", ShellFolderCommonAppData, 1988); }));
  EXPECT_EQ("Cannot find the operating system's common document folder",
            text([] { BaseApplication::TutorialsPath(); }));
  EXPECT_EQ("Cannot find the operating system's known folder 46",
            text([] { detail::ShellFolder(46, 1995); }));
  EXPECT_EQ("Cannot find the requested system folder (CSID = 9999)",
            text([] { detail::ShellFolder(9999, 1990); }));
}

TEST(ApplicationFolders, InitialFolderIsCapturedOnce) {
  const wpath first = detail::InitialFolder();
  const wpath previous = fs::current_path();
  testing::TemporaryFolder elsewhere;
  fs::current_path(elsewhere.Path());
  EXPECT_EQ(first, detail::InitialFolder());
  fs::current_path(previous);
}

}  // namespace
}  // namespace Orvanta
