// What only the Windows backend does: the DLL's version resource, the shell's
// own folders, ShellExecuteW's codes and the programs' .exe names.
#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "TemporaryFolder.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"
#include "orvanta/platform/ShellFolders.hpp"
#include "orvanta/platform/ShellOpen.hpp"

namespace Orvanta {
namespace {

TEST(WindowsBackend, VersionFoldersShellCodesAndProgramNames) {
  const ModuleVersionInfo info(OrvantaDLL::Instance()->Handle());
  EXPECT_EQ((ORVANTA_VERSION_MAJOR << 16) | ORVANTA_VERSION_MINOR, info.GetFileVersionMS());
  EXPECT_EQ(static_cast<unsigned long>(ORVANTA_VERSION_PATCH) << 16, info.GetFileVersionLS());
  EXPECT_EQ(ORVANTA_VERSION_TEXT, info.ProductVersion(0));

  for (const int csidl : {ShellFolderCommonAppData, ShellFolderAppData, ShellFolderSystem}) {
    SCOPED_TRACE(csidl);
    wpath folder;
    ASSERT_EQ(0, ShellFolderPath(csidl, folder));
    EXPECT_TRUE(boost::filesystem::is_directory(folder) && folder.is_absolute());
  }
  wpath unknown;
  EXPECT_LT(ShellFolderPath(-1, unknown), 0);

  const testing::TemporaryFolder folder;
  EXPECT_EQ(ShellOpenFileNotFound,
            ShellOpen(L"open", folder.Path() / L"missing.exe", L"", folder.Path(), 0));
  EXPECT_EQ(L"xsltproc.exe", ExecutableFileName(L"xsltproc"));
}

}  // namespace
}  // namespace Orvanta
