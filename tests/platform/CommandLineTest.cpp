// Splitting and quoting command lines, and reading decimal numbers.
#include "orvanta/platform/CommandLine.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/internal/DecimalNumbers.hpp"

namespace Orvanta {
namespace {

typedef std::vector<std::wstring> Args;

TEST(CommandLine, SplitsLikeWindowsPrograms) {
  const struct {
    std::wstring text;
    Args expected;
  } cases[] = {
      {L"  \t ", Args{}},
      {L"a b\tc", Args{L"a", L"b", L"c"}},
      {L"\"\"", Args{L""}},
      {L"a\"b c\"d", Args{L"ab cd"}},
      {L"a\\\\\"b c\"", Args{L"a\\b c"}},
      {L"a\\\\\\\"b", Args{L"a\\\"b"}},
      {L"\"unterminated quote", Args{L"unterminated quote"}},
      {L"x \"\"\"", Args{L"x", L"\""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(wstring_to_string(c.text));
    EXPECT_EQ(c.expected, SplitCommandLine(c.text));
  }
}

// Every argument, quoted, splits back whole, among others.
TEST(CommandLine, QuotedArgumentsSplitBackWhole) {
  const Args arguments = {L"", L"/tmp/x\" --evil-flag \"y.xml", L"C:\\Program Files\\",
                          L"\\\\server\\a\\\"b", L"tab\tand  blanks"};
  std::wstring all;
  for (const std::wstring& argument : arguments) all += QuoteCommandLineArgument(argument) + L" ";
  EXPECT_EQ(arguments, SplitCommandLine(all));
  EXPECT_EQ(L"\"a \\\"b\\\" c\\\\\"", QuoteCommandLineArgument(L"a \"b\" c\\"));
}

TEST(CommandLine, OverrideReplacesTheRealOne) {
  const Args real = CommandLineArguments();
  ASSERT_FALSE(real.empty());
  EXPECT_NE(std::wstring::npos, real.front().find(L"platform_tests"));
  SetCommandLine({L"Sections.exe"});
  SetCommandLine({});
  EXPECT_EQ(real, CommandLineArguments());
}

// Whole texts, blanks around allowed; a refused text leaves the value alone.
TEST(DecimalNumbers, WholeTextsAreReadOrRefused) {
  const struct {
    std::string text;
    double value;  // -1: refused
  } unsignedCases[] = {{" 1024\r\n", 1024}, {"4294967295", 4294967295.0},
                       {"4294967296", -1},  {" \t", -1},
                       {"+1", -1},          {"12a", -1}},
    floatingCases[] = {{" +2.5e3\n", 2500.0}, {"1e-320", 1e-320}, {"inf", INFINITY},
                       {"+-1", -1},           {"1e999", -1},      {"0x10", -1}};
  for (const auto& c : unsignedCases) {
    SCOPED_TRACE(c.text);
    unsigned int value = 12345;
    EXPECT_EQ(c.value >= 0, decimal::ParseUnsigned(c.text, value));
    EXPECT_EQ(c.value >= 0 ? c.value : 12345.0, value);
  }
  for (const auto& c : floatingCases) {
    SCOPED_TRACE(c.text);
    double value = 7.0;
    EXPECT_EQ(c.value != -1, decimal::ParseFloating(c.text, value));
    EXPECT_EQ(c.value != -1 ? c.value : 7.0, value);
  }
}

}  // namespace
}  // namespace Orvanta
