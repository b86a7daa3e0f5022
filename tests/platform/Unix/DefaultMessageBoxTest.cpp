// The default message box and the UTF-8 wide streams, seen from outside: the
// probe program runs with no terminal, and its standard error is read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TemporaryFolder.hpp"
#include "orvanta/platform/MessageBox.hpp"

namespace Orvanta {
namespace {

struct ProbeRun {
  int answer;
  std::string errors;
  std::string output;
};

ProbeRun RunProbe(const std::string& arguments) {
  const testing::TemporaryFolder folder;
  const std::string out = (folder.Path() / "out").string();
  const std::string err = (folder.Path() / "err").string();
  const std::string command =
      "LC_ALL=C " ORVANTA_PROBE " " + arguments + " </dev/null >" + out + " 2>" + err;
  const int status = std::system(command.c_str());
  EXPECT_EQ(0, status) << command;
  const std::string answer = testing::ReadFile(out);
  return ProbeRun{answer.empty() ? -1 : std::atoi(answer.c_str()), testing::ReadFile(err), answer};
}

TEST(DefaultMessageBox, AnswersSafelyWithoutATerminal) {
  const struct {
    const char* name;
    unsigned int style;
    int answer;
    std::string written;
  } cases[] = {
      {"yes/no", MessageBoxYesNo | MessageBoxIconQuestion, AnswerNo, " [answered No]"},
      {"yes/no/cancel", MessageBoxYesNoCancel, AnswerCancel, " [answered Cancel]"},
      {"plain", MessageBoxOk | MessageBoxIconExclamation, AnswerOk, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ProbeRun run = RunProbe("box " + std::to_string(c.style));
    EXPECT_EQ(c.answer, run.answer);
    EXPECT_EQ("Probe: Delete \xE2\x80\x9CWall 1\xE2\x80\x9D (2.5 m\xC2\xB2)?" + c.written + "\n",
              run.errors);
  }
}

TEST(WideStreams, WideAndNarrowShareStandardErrorAsUtf8) {
  EXPECT_EQ("narrow 1\nwide \xC2\xB0 \xF0\x9F\x8F\x97\nnarrow 2\nlog \xC3\xA5\n",
            RunProbe("streams").errors);
}

// A host's static object made before the first text may load one as it is
// destroyed at exit (under AddressSanitizer a freed table stops the probe).
TEST(StringTable, LoadsFromStaticDestructorsAtExit) {
  EXPECT_EQ("Application started at: <Time/>\nApplication stopped at: <Time/>\n",
            RunProbe("exit-text").output);
}

}  // namespace
}  // namespace Orvanta
