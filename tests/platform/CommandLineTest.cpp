#include "orvanta/platform/CommandLine.hpp"

#include <gtest/gtest.h>

#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

typedef std::vector<std::wstring> Args;

TEST(CommandLine, SplitsLikeWindowsPrograms) {
  const struct {
    std::wstring text;
    Args expected;
  } cases[] = {
      {L"", Args{}},
      {L"  \t ", Args{}},
      {L"a b\tc", Args{L"a", L"b", L"c"}},
      {L"-o \"out put.html\" style.xsl", Args{L"-o", L"out put.html", L"style.xsl"}},
      {L"\"\"", Args{L""}},
      {L"a\"b c\"d", Args{L"ab cd"}},
      {L"\"say \"\"hi\"\"\"", Args{L"say \"hi\""}},
      {L"a\\\"b", Args{L"a\"b"}},
      {L"a\\\\\"b c\"", Args{L"a\\b c"}},
      {L"a\\\\\\\"b", Args{L"a\\\"b"}},
      {L"C:\\Program Files\\x", Args{L"C:\\Program", L"Files\\x"}},
      {L"\"C:\\Program Files\\\\\" next", Args{L"C:\\Program Files\\", L"next"}},
      {L"\"unterminated quote", Args{L"unterminated quote"}},
      {L"x \"\"\"", Args{L"x", L"\""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(wstring_to_string(c.text));
    EXPECT_EQ(c.expected, SplitCommandLine(c.text));
  }
}

// Every argument, quoted, splits back whole, alone or among others.
TEST(CommandLine, QuotedArgumentsSplitBackWhole) {
  const Args arguments = {L"",
                          L"plain",
                          L"/tmp/x\" --evil-flag \"y.xml",
                          L"/tmp/back\\",
                          L"C:\\Program Files\\",
                          L"\\\\server\\share\\a\\\"b",
                          L"tab\tand  blanks",
                          L"\"\"\\\""};
  std::wstring all;
  for (const std::wstring& argument : arguments) {
    SCOPED_TRACE(wstring_to_string(argument));
    EXPECT_EQ(Args{argument}, SplitCommandLine(QuoteCommandLineArgument(argument)));
    all += QuoteCommandLineArgument(argument) + L" ";
  }
  EXPECT_EQ(arguments, SplitCommandLine(all));
  EXPECT_EQ(L"\"a \\\"b\\\" c\\\\\"", QuoteCommandLineArgument(L"a \"b\" c\\"));
}

TEST(CommandLine, OverrideReplacesTheRealOne) {
  const Args real = CommandLineArguments();
  ASSERT_FALSE(real.empty());
  EXPECT_NE(std::wstring::npos, real.front().find(L"platform_tests"));
  SetCommandLine({L"Sections.exe", L"-log"});
  EXPECT_EQ((Args{L"Sections.exe", L"-log"}), CommandLineArguments());
  SetCommandLine({});
  EXPECT_EQ(real, CommandLineArguments());
}

}  // namespace
}  // namespace Orvanta
