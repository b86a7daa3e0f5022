#include "orvanta/platform/Module.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <boost/dll/runtime_symbol_info.hpp>
#include <boost/filesystem/operations.hpp>

#include "TemporaryFolder.hpp"
#include "orvanta/platform/ApplicationModule.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"
#include "orvanta/platform/Resource.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

TEST(Module, TheProgramAndTheLibrary) {
  const ApplicationModule program;
  EXPECT_EQ(L"platform_tests", program.Name());
  const wpath file = program.FileName();
  EXPECT_TRUE(boost::filesystem::equivalent(file, boost::dll::program_location().native()));
  // The version the program reports is tested with the application; what can
  // only be seen here, in a process that never set one, is that there is none.
  EXPECT_THROW(ModuleVersionInfo(program.Handle()).GetFileVersionMS(), Error);

  const HINSTANCE handle = LoadModule(L"Orvanta.dll");
  const Module library(L"Orvanta.dll", handle);
  // In a static build the library is part of the executable.
  EXPECT_EQ(handle == nullptr, file == library.FileName());
  FreeModule(handle);
  EXPECT_EQ(nullptr, LoadModule(L"no-such-module.so"));
  EXPECT_THROW(BitmapResource(9999, &library), InternalError);
}

// The program's boxes take its name as caption; a yes/no box keeps only the
// icon of the style it is given, and any answer but Yes is No. A handler
// replaced is put back.
TEST(MessageBox, ApplicationBoxesGoThroughTheHandler) {
  const ApplicationModule program(L"Sections", nullptr);
  std::vector<std::string> shown;
  int answer = AnswerYes;
  const MessageBoxHandler previous = SetMessageBoxHandler(
      [&](const std::wstring& text, const std::wstring& caption, unsigned int style) {
        shown.push_back(wstring_to_string(caption + L": " + text) + " " + std::to_string(style));
        return answer;
      });
  EXPECT_EQ(AnswerYes, program.YesNoBox(L"Delete?", MessageBoxIconQuestion | MessageBoxOk));
  EXPECT_EQ(AnswerYes, program.YesNoBox(L"Again?", MessageBoxYesNoCancel));
  answer = AnswerCancel;
  EXPECT_EQ(AnswerNo, program.YesNoBox(L"Delete?", 0));
  SetMessageBoxHandler(previous)(L"back", L"put", 0);  // gives back the handler it replaces
  EXPECT_EQ((std::vector<std::string>{"Sections: Delete? 36", "Sections: Again? 4",
                                      "Sections: Delete? 4", "put: back 0"}),
            shown);
}

// A log writes UTF-8, an input file reads it back whole, and both give their
// handles back when they go.
TEST(FileStreams, ALogIsReadBackWholeAndBothCloseTheFile) {
  const testing::TemporaryFolder folder;
  const wpath file = folder.Path() / "Program.log";
  // The open files, as POSIX systems list them (Windows and Wine do not).
  const auto handles = []() -> std::ptrdiff_t {
    if (wpath::preferred_separator != '/') return 0;
    boost::system::error_code error;
    return std::distance(boost::filesystem::directory_iterator("/dev/fd", error), {});
  };
  const auto before = handles();
  const std::wstring text = std::wstring(100000, L'x') + L"\u00e5\n";
  {
    LogFileStream log;
    log.open(file);
    log << text << std::flush;
    InputFile in(file);
    EXPECT_EQ(wstring_to_string(text), std::string(std::istreambuf_iterator<char>(in), {}));
  }
  EXPECT_EQ(before, handles());
}

}  // namespace
}  // namespace Orvanta
