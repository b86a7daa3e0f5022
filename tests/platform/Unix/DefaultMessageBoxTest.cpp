// The default message box and texts at exit, seen from outside: the probe
// program runs with no terminal, and its output is read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "TemporaryFolder.hpp"
#include "orvanta/platform/MessageBox.hpp"

namespace Orvanta {
namespace {

// The probe's standard output and standard error.
std::pair<std::string, std::string> RunProbe(const std::string& arguments) {
  const testing::TemporaryFolder folder;
  const std::string out = (folder.Path() / "out").string(), err = (folder.Path() / "err").string();
  const std::string command =
      "LC_ALL=C " ORVANTA_PROBE " " + arguments + " </dev/null >" + out + " 2>" + err;
  EXPECT_EQ(0, std::system(command.c_str())) << command;
  return {testing::ReadFile(out), testing::ReadFile(err)};
}

TEST(DefaultMessageBox, AnswersSafelyWithoutATerminal) {
  const auto box = [](unsigned int style, int answer, const std::string& written) {
    EXPECT_EQ(std::make_pair(
                  std::to_string(answer),
                  "Probe: Delete \xE2\x80\x9CWall 1\xE2\x80\x9D (2.5 m\xC2\xB2)?" + written + "\n"),
              RunProbe("box " + std::to_string(style)));
  };
  box(MessageBoxYesNo | MessageBoxIconQuestion, AnswerNo, " [answered No]");
  box(MessageBoxOk | MessageBoxIconExclamation, AnswerOk, "");
}

// A host's static object made before the first text may load one as it is
// destroyed at exit (under AddressSanitizer a freed table stops the probe).
TEST(StringTable, LoadsFromStaticDestructorsAtExit) {
  EXPECT_EQ("Application started at: <Time/>\nApplication stopped at: <Time/>\n",
            RunProbe("exit-text").first);
}

}  // namespace
}  // namespace Orvanta
