#include "orvanta/platform/FileAttributes.hpp"

#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "TemporaryFolder.hpp"

namespace Orvanta {
namespace {

TEST(FileAttributes, ReadOnlyRoundTrip) {
  const testing::TemporaryFolder folder;
  wpath file = folder.Write("Program.log", "line\n");
  EXPECT_FALSE(IsFileReadOnly(file));
  MakeFileReadOnly(file);
  EXPECT_TRUE(IsFileReadOnly(file));
  MakeFileReadOnly(file);  // twice is harmless
  EXPECT_TRUE(IsFileReadOnly(file));
  MakeFileReadWrite(file);
  EXPECT_FALSE(IsFileReadOnly(file));
  EXPECT_EQ("line\n", testing::ReadFile(file));
}

TEST(FileAttributes, MissingFile) {
  const testing::TemporaryFolder folder;
  wpath missing = folder.Path() / "missing.log";
  EXPECT_FALSE(IsFileReadOnly(missing));
  EXPECT_THROW(MakeFileReadOnly(missing), boost::filesystem::filesystem_error);
  EXPECT_THROW(MakeFileReadWrite(missing), boost::filesystem::filesystem_error);
}

}  // namespace
}  // namespace Orvanta
