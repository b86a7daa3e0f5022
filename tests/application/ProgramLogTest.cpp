#include "orvanta/application/internal/ProgramLog.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <regex>
#include <sstream>

#include "TemporaryFolder.hpp"
#include "orvanta/platform/FileAttributes.hpp"

namespace Orvanta {
namespace {

using detail::ProgramLog;
using testing::ReadFile;

const std::string kHyphens(44, '-');
const std::string kTime = "\\d{4}-[A-Z][a-z]{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}";

// One "program run" writing a line to the log; the log gives std::wclog back
// when it goes.
void LogRun(const wpath& file, bool append, const wchar_t* line) {
  std::wstreambuf* const previous = std::wclog.rdbuf();
  {
    ProgramLog log;
    log.Open(file, append);
    std::wclog << line << std::endl;
    log.WriteStopLines();
  }
  EXPECT_EQ(previous, std::wclog.rdbuf());
}

std::string OneRun(const std::string& line) {
  return kHyphens + "\nApplication started at: " + kTime + "\n" + line +
         "\nApplication stopped at: " + kTime + "\n" + kHyphens + "\n";
}

TEST(ProgramLog, RunsAreReplacedOrAppended) {
  testing::TemporaryFolder home;
  wpath file = home.Path() / "Program.log";
  LogRun(file, false, L"first \u00b0");
  LogRun(file, false, L"second");
  EXPECT_TRUE(std::regex_match(ReadFile(file), std::regex(OneRun("second"))));

  MakeFileReadOnly(file);  // left read-only by an earlier run
  LogRun(file, true, L"third \u00b0");
  EXPECT_TRUE(
      std::regex_match(ReadFile(file), std::regex(OneRun("second") + OneRun("third \xC2\xB0"))))
      << ReadFile(file);
  EXPECT_FALSE(IsFileReadOnly(file));
}

// The log stays open after its closing lines, and a log that cannot be
// opened leaves the standard log stream and the open log where they were.
TEST(ProgramLog, StaysOpenAndAnUnopenableOneChangesNothing) {
  testing::TemporaryFolder home;
  const wpath file = home.Path() / "Program.log";
  std::wostringstream errors;
  std::wstreambuf* const previousErrors = std::wcerr.rdbuf(errors.rdbuf());
  std::wstreambuf* const previous = std::wclog.rdbuf();
  {
    ProgramLog log;
    log.Open(home.Path(), false);  // a folder
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(previous, std::wclog.rdbuf());
    log.Open(file, false);
    log.WriteStopLines();
    std::wclog << L"options saved" << std::endl;
    log.Open(home.Path(), false);
    std::wclog << L"error broadcast" << std::endl;
    log.WriteStopLines();
  }
  std::wcerr.rdbuf(previousErrors);
  EXPECT_EQ(previous, std::wclog.rdbuf());
  EXPECT_EQ(L"Could not open the error log\nCould not open the error log\n", errors.str());
  const std::string stop = "Application stopped at: " + kTime + "\n" + kHyphens + "\n";
  EXPECT_TRUE(std::regex_match(
      ReadFile(file), std::regex(kHyphens + "\nApplication started at: " + kTime + "\n" + stop +
                                 "options saved\nerror broadcast\n" + stop)))
      << ReadFile(file);
}

}  // namespace
}  // namespace Orvanta
