#include "orvanta/platform/MessageBox.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvanta/platform/ApplicationModule.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

// Installs a handler that writes down every box and gives a fixed answer.
class RecordingHandler {
 public:
  explicit RecordingHandler(int answer)
      : previous_(SetMessageBoxHandler([this, answer](const std::wstring& text,
                                                      const std::wstring& caption,
                                                      unsigned int style) {
          shown.push_back(wstring_to_string(caption + L": " + text) + " " + std::to_string(style));
          return answer;
        })) {}
  ~RecordingHandler() { SetMessageBoxHandler(previous_); }

  std::vector<std::string> shown;

 private:
  MessageBoxHandler previous_;
};

// The program's boxes take its name as caption; a yes/no box keeps only the
// icon of the style it is given, and any answer but Yes is No.
TEST(MessageBox, ApplicationBoxesGoThroughTheHandler) {
  const ApplicationModule program(L"Sections", nullptr);
  RecordingHandler outer(AnswerNo);
  {
    RecordingHandler handler(AnswerYes);
    EXPECT_EQ(AnswerYes, program.YesNoBox(L"Delete?", MessageBoxIconQuestion | MessageBoxOk));
    EXPECT_EQ(AnswerYes, program.YesNoBox(L"Again?", MessageBoxYesNoCancel));
    program.ExclamationBox(L"Disk full");
    EXPECT_EQ((std::vector<std::string>{"Sections: Delete? 36", "Sections: Again? 4",
                                        "Sections: Disk full 48"}),
              handler.shown);
  }
  EXPECT_EQ(AnswerNo, ShowMessageBox(L"q", L"c", MessageBoxYesNo));
  {
    RecordingHandler handler(AnswerCancel);
    EXPECT_EQ(AnswerNo, program.YesNoBox(L"Delete?", 0));
  }
  EXPECT_EQ((std::vector<std::string>{"c: q 4"}), outer.shown);
}

}  // namespace
}  // namespace Orvanta
