// An application and a document for the tests, in a home of their own: the
// shell folders point into a temporary folder for the test's life.
#pragma once

#include <boost/make_shared.hpp>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "HubJournal.hpp"
#include "TemporaryFolder.hpp"
#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"
#include "orvanta/platform/ShellFolders.hpp"

namespace Orvanta {
namespace testing {

// Writes its text into the file on save; reads it back on open ("corrupt"
// throws a std::exception, "thrown" anything else).
class TextDocument : public BaseDocument {
 public:
  explicit TextDocument(bool notification = true) : BaseDocument(notification) {}
  TextDocument(const wpath& path, bool notification) : BaseDocument(path, notification) {
    ReadFrom(path);
  }
  void ReadFrom(const wpath& path) override {
    text = ReadFile(path);
    if (text == "corrupt") throw std::runtime_error("the project file is corrupt");
    if (text == "thrown") throw 42;
  }
  void WriteTo(const wpath& path) const override {
    ofstream(path, std::ios::binary) << text;  // a failing write leaves a file behind
    if (failWrites) throw std::runtime_error("disk full");
  }

  std::string text;
  bool failWrites = false;
};

// What `call` throws; "nothing thrown" when it returns.
template <class Call>
std::string ThrownText(Call call) {
  try {
    call();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "nothing thrown";
}

// Sends a wide standard stream (the log by default) into a string for one scope.
class StreamCapture {
 public:
  explicit StreamCapture(std::wostream& stream = std::wclog)
      : stream_(stream), previous_(stream.rdbuf(text_.rdbuf())) {}
  ~StreamCapture() { stream_.rdbuf(previous_); }
  std::wstring Text() const { return text_.str(); }

 private:
  std::wostringstream text_;
  std::wostream& stream_;
  std::wstreambuf* previous_;
};

class TestApplication : public BaseApplication {
 public:
  TestApplication()
      : BaseApplication(nullptr, L"Test\u00e5pp", L"TST", boost::gregorian::date(2026, 12, 5),
                        L"host text", L"Options.xml", L"Program.log", L"Help.chm") {}
  std::wstring ReportTitle() const override { return L"Report"; }
  std::wstring ReportStyleSheet() const override { return L"report.css"; }
  wpath ReportTransform(const wpath&) const override { return wpath(L"report.xsl"); }
  boost::shared_ptr<BaseDocument> MakeNewDocument() override {
    return boost::make_shared<TextDocument>(true);
  }
  boost::shared_ptr<BaseDocument> MakeDocumentFromFile(const wpath& path) override {
    return boost::make_shared<TextDocument>(path, true);
  }
};

// A temporary home, the program version, a plain command line, and the hub's
// journal with scripted answers to the message boxes.
class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() {
    previous_folders_ = SetShellFolderHandler([this](int csidl, wpath& folder) -> long {
      const std::map<int, wpath> folders = {{ShellFolderCommonAppData, dataFolder},
                                            {ShellFolderCommonDocuments, home_.Path() / "docs"},
                                            {ShellFolderSystem, home_.Path() / "system"},
                                            {ShellFolderProgramFiles, home_.Path() / "programs"}};
      const auto found = folders.find(csidl);
      if (!foldersExist || found == folders.end()) return -1;
      folder = found->second;
      return 0;
    });
    SetProgramVersion(2, 1, 3, 45, L"2.1.3");
    SetCommandLine({L"test"});
  }
  ~ApplicationTest() override {
    SetShellFolderHandler(previous_folders_);
    SetCommandLine({});
    std::wclog.rdbuf(previous_log_);  // a program log stays open, in this folder
  }

  TemporaryFolder home_;
  HubJournal hub_;
  Entries& journal = hub_.entries;
  std::vector<int>& answers = hub_.answers;
  // Where the common application data lives; false: no shell folder exists.
  wpath dataFolder = home_.Path() / "data";
  bool foldersExist = true;
  // The common application-data folder the application will use.
  const wpath appData = dataFolder / "Orvanta" / wstring_to_path(L"Test\u00e5pp") / "2.1.3";

 private:
  ShellFolderHandler previous_folders_;
  std::wstreambuf* const previous_log_ = std::wclog.rdbuf();
};

}  // namespace testing
}  // namespace Orvanta
