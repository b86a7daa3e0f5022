#include "orvanta/platform/Error.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

#include "TemporaryFolder.hpp"
#include "orvanta/platform/FileAttributes.hpp"

namespace Orvanta {
namespace {

// A narrow text is UTF-8 (malformed bytes become U+FFFD); what() is the
// text in UTF-8, whichever way it was made.
TEST(Error, TextsAndWhat) {
  const Error narrow(
      std::string("20 \xC2\xB0"
                  "C \xFF"));
  EXPECT_EQ(L"20 \u00b0C \uFFFD", narrow.Text());
  EXPECT_STREQ(
      "20 \xC2\xB0"
      "C \xEF\xBF\xBD",
      narrow.what());
  const auto what = [](const Error& error) { return std::string(error.what()); };
  EXPECT_EQ("Module::LoadStringW", what(InternalError(L"Module::LoadStringW")));
  EXPECT_EQ("'WinHelpW' is not available on this system",
            what(FunctionUnavailableError(L"WinHelpW")));
  EXPECT_EQ("The specified path is empty", what(NoPathError()));
  const std::exception& base = InternalError(L"x");
  EXPECT_STREQ("x", base.what());
}

TEST(FileAttributes, ReadOnlyRoundTripAndMissingFiles) {
  const testing::TemporaryFolder folder;
  wpath file = folder.Write("Program.log", "line\n"), missing = folder.Path() / "missing.log";
  EXPECT_FALSE(IsFileReadOnly(file));
  MakeFileReadOnly(file);
  MakeFileReadOnly(file);  // twice is harmless
  EXPECT_TRUE(IsFileReadOnly(file));
  MakeFileReadWrite(file);
  EXPECT_FALSE(IsFileReadOnly(file));
  EXPECT_EQ("line\n", testing::ReadFile(file));
  EXPECT_FALSE(IsFileReadOnly(missing));
  EXPECT_THROW(MakeFileReadOnly(missing), boost::filesystem::filesystem_error);
  EXPECT_THROW(MakeFileReadWrite(missing), boost::filesystem::filesystem_error);
}

}  // namespace
}  // namespace Orvanta
