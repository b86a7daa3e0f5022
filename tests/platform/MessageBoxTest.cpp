#include "orvanta/platform/MessageBox.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "orvanta/platform/ApplicationModule.hpp"

namespace Orvanta {
namespace {

struct Shown {
  std::wstring text;
  std::wstring caption;
  unsigned int style;
};

// Installs a handler that records every box and gives a fixed answer.
class RecordingHandler {
 public:
  explicit RecordingHandler(int answer)
      : previous_(SetMessageBoxHandler(
            [this, answer](const std::wstring& text, const std::wstring& caption,
                           unsigned int style) {
              shown.push_back(Shown{text, caption, style});
              return answer;
            })) {}
  ~RecordingHandler() { SetMessageBoxHandler(previous_); }

  std::vector<Shown> shown;

 private:
  MessageBoxHandler previous_;
};

TEST(MessageBox, ApplicationBoxesGoThroughTheHandler) {
  const ApplicationModule program(L"Sections", nullptr);
  {
    RecordingHandler handler(AnswerYes);
    EXPECT_EQ(AnswerYes, program.YesNoBox(L"Delete 'Wall 1'?", MessageBoxIconQuestion));
    program.ExclamationBox(L"Disk full");
    ASSERT_EQ(2u, handler.shown.size());
    EXPECT_EQ(L"Delete 'Wall 1'?", handler.shown[0].text);
    EXPECT_EQ(L"Sections", handler.shown[0].caption);
    EXPECT_EQ(MessageBoxYesNo | MessageBoxIconQuestion, handler.shown[0].style);
    EXPECT_EQ(L"Disk full", handler.shown[1].text);
    EXPECT_EQ(MessageBoxOk | MessageBoxIconExclamation, handler.shown[1].style);
  }
  {
    // A handler that closes the box without answering counts as No.
    RecordingHandler handler(AnswerCancel);
    EXPECT_EQ(AnswerNo, program.YesNoBox(L"Delete?", 0));
  }
}

TEST(MessageBox, SetReturnsThePreviousHandler) {
  RecordingHandler outer(AnswerNo);
  {
    RecordingHandler inner(AnswerYes);
    EXPECT_EQ(AnswerYes, ShowMessageBox(L"q", L"c", MessageBoxYesNo));
  }
  EXPECT_EQ(AnswerNo, ShowMessageBox(L"q", L"c", MessageBoxYesNo));
  EXPECT_EQ(1u, outer.shown.size());
}

}  // namespace
}  // namespace Orvanta
