#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>
#include <iostream>
#include <regex>

#include "TestApplication.hpp"
#include "orvanta/platform/FileAttributes.hpp"

namespace Orvanta {
namespace {

using testing::ApplicationTest;
using testing::ReadFile;
using testing::TestApplication;

const std::string kHyphens(44, '-');
const std::string kTime = "\\d{4}-[A-Z][a-z]{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}";

// Runs one "program run" writing to the log, restoring std::wclog after.
void LogRun(TestApplication& app, const wpath& file, const wchar_t* line) {
  std::wstreambuf* previous = std::wclog.rdbuf();
  app.CreateProgramLog(file);
  std::wclog << line << std::endl;
  app.CloseProgramLog();
  std::wclog.rdbuf(previous);
}

std::string OneRun(const std::string& line) {
  return kHyphens + "\nApplication started at: " + kTime + "\n" + line + "\nApplication stopped at: " +
         kTime + "\n" + kHyphens + "\n";
}

TEST_F(ApplicationTest, LogRunsAreReplacedOrAppended) {
  TestApplication app;
  wpath file = home_.Path() / "Program.log";
  LogRun(app, file, L"first \u00b0");
  LogRun(app, file, L"second");
  EXPECT_TRUE(std::regex_match(ReadFile(file), std::regex(OneRun("second"))));

  app.SetAppendToLog(true);
  MakeFileReadOnly(file);  // left read-only by an earlier run
  LogRun(app, file, L"third \u00b0");
  EXPECT_TRUE(std::regex_match(ReadFile(file),
                               std::regex(OneRun("second") + OneRun("third \xC2\xB0"))))
      << ReadFile(file);
  EXPECT_FALSE(IsFileReadOnly(file));
}

// The log stays open after its closing lines, and a log that cannot be
// opened leaves the standard log stream where it was.
TEST_F(ApplicationTest, LogStaysOpenAndAnUnopenableOneChangesNothing) {
  TestApplication app;
  std::wostringstream errors;
  std::wstreambuf* previousErrors = std::wcerr.rdbuf(errors.rdbuf());
  std::wstreambuf* previous = std::wclog.rdbuf();
  app.CreateProgramLog(home_.Path());  // a folder
  EXPECT_EQ(previous, std::wclog.rdbuf());

  const wpath file = home_.Path() / "Program.log";
  app.CreateProgramLog(file);
  app.CloseProgramLog();
  std::wclog << L"options saved" << std::endl;
  previous = std::wclog.rdbuf();
  app.CreateProgramLog(home_.Path());
  EXPECT_EQ(previous, std::wclog.rdbuf());
  std::wclog << L"error broadcast" << std::endl;
  app.CloseProgramLog();
  std::wcerr.rdbuf(previousErrors);
  EXPECT_EQ(L"Could not open the error log\nCould not open the error log\n", errors.str());
  const std::string stop = "Application stopped at: " + kTime + "\n" + kHyphens + "\n";
  EXPECT_TRUE(std::regex_match(ReadFile(file),
                               std::regex(kHyphens + "\nApplication started at: " + kTime + "\n" +
                                          stop + "options saved\nerror broadcast\n" + stop)))
      << ReadFile(file);
}

}  // namespace
}  // namespace Orvanta
