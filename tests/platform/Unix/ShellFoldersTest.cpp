#include "orvanta/platform/ShellFolders.hpp"

#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "EnvironmentGuard.hpp"
#include "TemporaryFolder.hpp"

namespace Orvanta {
namespace {

// The folders after the XDG conventions: an absolute XDG variable, else a
// folder under an absolute $HOME, else failure; nothing is created. Each
// case: HOME, XDG_DATA_HOME, XDG_DOCUMENTS_DIR ("-": unset), then the folders
// for common data, documents, configuration, the profile, the system, the
// program files, the common program files and an unknown id.
TEST(ShellFolders, FollowTheXdgVariablesThenHome) {
  const testing::TemporaryFolder home;
  const std::string h = home.Path().string();
  testing::EnvironmentGuard environment;
  environment.Unset("XDG_CONFIG_HOME");
  const std::string fixed = "/usr/lib /opt /usr/share ~",
                    byHome = h + "/.local/share " + h + "/Documents " + h + "/.config " + h + " ";
  const struct {
    std::string home, data, documents, folders;
  } cases[] = {
      {h, "-", "-", byHome + fixed},
      {h, "/x/data", "/x/docs", "/x/data /x/docs " + h + "/.config " + h + " " + fixed},
      {h, "relative/data", "", byHome + fixed},
      {"-", "-", "-", "~ ~ ~ ~ " + fixed},
      {"home/ann", "not/absolute", "-", "~ ~ ~ ~ " + fixed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.home + " " + c.data);
    for (const auto& v : {std::make_pair("HOME", c.home), std::make_pair("XDG_DATA_HOME", c.data),
                          std::make_pair("XDG_DOCUMENTS_DIR", c.documents)})
      v.second == "-" ? environment.Unset(v.first) : environment.Set(v.first, v.second);
    std::string folders;
    for (const int csidl :
         std::initializer_list<int>{ShellFolderCommonAppData, ShellFolderCommonDocuments,
                                    ShellFolderAppData, ShellFolderProfile, ShellFolderSystem,
                                    ShellFolderProgramFiles, ShellFolderProgramFilesCommon, 9999}) {
      wpath folder = "~";
      const long result = ShellFolderPath(csidl, folder);
      EXPECT_EQ(result < 0, folder == "~") << csidl;
      folders += (folders.empty() ? "" : " ") + folder.string();
    }
    EXPECT_EQ(c.folders, folders);
  }
  EXPECT_TRUE(boost::filesystem::is_empty(home.Path()));
}

}  // namespace
}  // namespace Orvanta
