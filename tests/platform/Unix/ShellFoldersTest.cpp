#include "orvanta/platform/ShellFolders.hpp"

#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "EnvironmentGuard.hpp"
#include "TemporaryFolder.hpp"

namespace Orvanta {
namespace {

class ShellFoldersTest : public ::testing::Test {
 protected:
  ShellFoldersTest() {
    environment_.Set("HOME", home_.Path().string());
    environment_.Unset("XDG_DATA_HOME");
    environment_.Unset("XDG_DOCUMENTS_DIR");
    environment_.Unset("XDG_CONFIG_HOME");
  }

  // The folder, or "(failed)".
  static std::string Folder(int csidl) {
    wpath folder = L"(failed)";
    const long result = ShellFolderPath(csidl, folder);
    EXPECT_EQ(result < 0, folder == L"(failed)") << "csidl " << csidl;
    return folder.string();
  }

  testing::EnvironmentGuard environment_;
  const testing::TemporaryFolder home_;
};

TEST_F(ShellFoldersTest, FallBackOnHome) {
  const std::string home = home_.Path().string();
  EXPECT_EQ(home + "/.local/share", Folder(ShellFolderCommonAppData));
  EXPECT_EQ(home + "/Documents", Folder(ShellFolderCommonDocuments));
  EXPECT_EQ(home + "/.config", Folder(ShellFolderAppData));
  EXPECT_EQ(home, Folder(ShellFolderProfile));
  // Nothing is created.
  EXPECT_FALSE(boost::filesystem::exists(home_.Path() / ".local"));
  EXPECT_FALSE(boost::filesystem::exists(home_.Path() / "Documents"));
}

TEST_F(ShellFoldersTest, AbsoluteXdgVariablesWin) {
  const testing::TemporaryFolder data, documents;
  environment_.Set("XDG_DATA_HOME", data.Path().string());
  environment_.Set("XDG_DOCUMENTS_DIR", documents.Path().string());
  EXPECT_EQ(data.Path().string(), Folder(ShellFolderCommonAppData));
  EXPECT_EQ(documents.Path().string(), Folder(ShellFolderCommonDocuments));
}

TEST_F(ShellFoldersTest, RelativeXdgVariablesAreIgnored) {
  environment_.Set("XDG_DATA_HOME", "relative/data");
  environment_.Set("XDG_DOCUMENTS_DIR", "");
  EXPECT_EQ(home_.Path().string() + "/.local/share", Folder(ShellFolderCommonAppData));
  EXPECT_EQ(home_.Path().string() + "/Documents", Folder(ShellFolderCommonDocuments));
}

TEST_F(ShellFoldersTest, FailWhenNeitherVariableIsUsable) {
  const struct {
    const char* name;
    bool set;
    const char* value;
  } homes[] = {{"HOME unset", false, ""}, {"HOME relative", true, "home/ann"}, {"HOME empty", true, ""}};
  for (const auto& home : homes) {
    SCOPED_TRACE(home.name);
    if (home.set)
      environment_.Set("HOME", home.value);
    else
      environment_.Unset("HOME");
    environment_.Set("XDG_DATA_HOME", "not/absolute");
    EXPECT_EQ("(failed)", Folder(ShellFolderCommonAppData));
    EXPECT_EQ("(failed)", Folder(ShellFolderCommonDocuments));
    EXPECT_EQ("(failed)", Folder(ShellFolderProfile));
  }
}

TEST_F(ShellFoldersTest, SystemFoldersAreFixed) {
  environment_.Unset("HOME");
  EXPECT_EQ("/usr/lib", Folder(ShellFolderSystem));
  EXPECT_EQ("/opt", Folder(ShellFolderProgramFiles));
  EXPECT_EQ("/usr/share", Folder(ShellFolderProgramFilesCommon));
  EXPECT_EQ("(failed)", Folder(9999));
}

}  // namespace
}  // namespace Orvanta
