#include "orvanta/application/internal/ReportEngines.hpp"

#include <gtest/gtest.h>

#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

// The engines by their option values, and their commands with paths that
// hold blanks, quotes and backslashes: each path reaches the engine whole.
TEST(ReportEngines, TableAndCommands) {
  EXPECT_EQ(nullptr, detail::FindReportEngine(0));  // MSXML: no program
  EXPECT_EQ(nullptr, detail::FindReportEngine(7));
  const std::wstring x = L"in put/s\u00e9ctions.xml", s = L"q\"uote \\\" -o \"x/report.xsl\\",
                     h = L"out/Report.html", q = QuoteCommandLineArgument(s);
  const struct {
    int engine;
    std::vector<std::wstring> arguments;
    std::wstring text;
  } cases[] = {
      {1,
       {L"-xslt1", s, L"-in", x, L"-out", h},
       L"-xslt1 " + q + L" -in \"" + x + L"\" -out \"" + h + L"\""},
      {2, {L"-novalid", L"-o", h, s, x}, L"-novalid -o \"" + h + L"\" " + q + L" \"" + x + L"\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.engine);
    const detail::ReportEngine* engine = detail::FindReportEngine(c.engine);
    ASSERT_NE(nullptr, engine);
    const detail::EngineCommand command = detail::MakeEngineCommand(
        *engine, wstring_to_path(x), wstring_to_path(s), wstring_to_path(h));
    EXPECT_EQ(c.arguments, command.arguments);
    EXPECT_EQ(c.text, command.text);
    EXPECT_EQ(c.arguments, SplitCommandLine(command.text));
  }
}

}  // namespace
}  // namespace Orvanta
