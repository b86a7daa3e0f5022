// An application and a document for the tests, in a home of their own: the
// shell folders point into a temporary folder for the test's life.
#pragma once

#include <boost/make_shared.hpp>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "HubJournal.hpp"
#include "TemporaryFolder.hpp"
#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/messages/Message.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"
#include "orvanta/platform/ShellFolders.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace testing {

// Writes its text into the file on save; reads it back on open.
class TextDocument : public BaseDocument {
 public:
  explicit TextDocument(bool notification = true) : BaseDocument(notification) {}
  TextDocument(const wpath& path, bool notification) : BaseDocument(path, notification) {
    ReadFrom(path);
  }
  void ReadFrom(const wpath& path) override {
    const std::string content = ReadFile(path);
    if (content == "corrupt") throw std::runtime_error("the project file is corrupt");
    if (content == "thrown") throw 42;  // not a std::exception
    text = content;
  }
  void WriteTo(const wpath& path) const override {
    if (failWrites) throw std::runtime_error("disk full");
    ofstream(path, std::ios::binary) << text;
  }

  std::string text;
  bool failWrites = false;
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
      if (!foldersExist) return -1;
      switch (csidl) {
        case ShellFolderCommonAppData:
          folder = dataFolder;
          return 0;
        case ShellFolderCommonDocuments:
          folder = home_.Path() / "docs";
          return 0;
        case ShellFolderSystem:
          folder = home_.Path() / "system";
          return 0;
        case ShellFolderProgramFiles:
          folder = home_.Path() / "programs";
          return 0;
        default:
          return -1;
      }
    });
    SetProgramVersion(2, 1, 3, 45, L"2.1.3");
    SetCommandLine({L"test"});
  }
  ~ApplicationTest() override {
    SetShellFolderHandler(previous_folders_);
    SetCommandLine({});
    std::wclog.rdbuf(previous_log_);  // a program log stays open, in this folder
  }

  // The common application-data folder the application will use.
  wpath AppData() const {
    return home_.Path() / "data" / "Orvanta" / wstring_to_path(L"Test\u00e5pp") / "2.1.3";
  }

  TemporaryFolder home_;
  HubJournal hub_;
  Entries& journal = hub_.entries;
  std::vector<int>& answers = hub_.answers;
  // Where the common application data lives; false: no shell folder exists.
  wpath dataFolder = home_.Path() / "data";
  bool foldersExist = true;

 private:
  ShellFolderHandler previous_folders_;
  std::wstreambuf* const previous_log_ = std::wclog.rdbuf();
};

}  // namespace testing
}  // namespace Orvanta
