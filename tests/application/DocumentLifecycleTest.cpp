// Documents opened, saved, backed up, closed and autosaved through the
// application.
#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "TestApplication.hpp"
#include "orvanta/application/DocumentRecovery.hpp"
#include "orvanta/documents/SharedProgramOptions.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::Entries;
using testing::ReadFile;
using testing::TestApplication;
using testing::TextDocument;
using testing::ThrownText;

// A save backs the file as last saved up first and never stops for it; a
// copy saved elsewhere leaves the document's path and state; a failing write
// leaves them too.
TEST_F(ApplicationTest, SavesBackUpFirstAndFailuresChangeNothing) {
  const wpath file = home_.Write("Bridge.sec", "first"), backup = home_.Path() / "Bridge.bak";
  auto project = boost::make_shared<TextDocument>(file, true);
  project->text = "second";
  project->NotifyHasChanged();
  fs::remove(file);  // nothing to back up: an error message, and the save goes on
  journal.clear();
  project->Save();
  EXPECT_EQ("second", ReadFile(file));
  EXPECT_FALSE(project->HasChanged());
  ASSERT_EQ(3u, journal.size());
  EXPECT_NE(std::string::npos, journal[0].find("Bridge.sec")) << journal[0];  // copy failed
  EXPECT_EQ("Changes made to the project at '" + file.string() + "' have been saved", journal[1]);
  project->text = "third";
  project->Save();  // now the file as last saved is kept
  EXPECT_EQ("second", ReadFile(backup));
  EXPECT_EQ("A backup of the project has been saved as '" + backup.string() + "'", journal[3]);

  project->NotifyHasChanged();
  journal.clear();
  project->SaveCopyAs(home_.Path() / "copy.sec");
  EXPECT_EQ(file, project->Path());
  EXPECT_TRUE(project->HasChanged());
  EXPECT_EQ("third", ReadFile(home_.Path() / "copy.sec"));
  EXPECT_EQ("The project has been saved at a new location: '" +
                (home_.Path() / "copy.sec").string() + "'",
            journal.front());
  project->failWrites = true;
  EXPECT_THROW(project->SaveAs(home_.Path() / "b.sec"), std::runtime_error);
  EXPECT_EQ(file, project->Path());
  EXPECT_TRUE(project->HasChanged());

  SharedProgramOptions::SetAutomaticBackup(false);
  fs::remove(backup);
  project->failWrites = false;
  project->Save();
  EXPECT_FALSE(fs::exists(backup));
  SharedProgramOptions::Reset();
}

TEST_F(ApplicationTest, CloseQuestions) {
  TestApplication app;
  const wpath file = home_.Write("p.sec", "saved");
  const std::string changed =
      "? Close Document: The current project '" + file.string() +
      "' has changed since it was last saved. Do you want to save it before closing?";
  app.OpenDocument(file);
  static_cast<TextDocument&>(*app.GetDocument()).text = "edited";
  app.GetDocument()->NotifyHasChanged();
  journal.clear();
  answers = {AnswerCancel, AnswerYes};
  EXPECT_FALSE(app.CloseDocument());
  EXPECT_TRUE(app.CloseDocument());
  EXPECT_EQ("edited", ReadFile(file));
  EXPECT_EQ(changed, journal.at(1));  // asked again after the cancel
  EXPECT_EQ(
      (Entries{"[saved]", "[closed]", "The project at '" + file.string() + "' has been closed"}),
      Entries(journal.end() - 3, journal.end()));

  app.NewDocument();
  answers = {AnswerYes};
  EXPECT_THROW(app.CloseDocument(), NoPathError);  // never saved: the caller asks for a name
  EXPECT_TRUE(app.GetDocument());
}

TEST_F(ApplicationTest, OpeningMissingAndBrokenFiles) {
  TestApplication app;
  const auto first = app.OpenDocument(home_.Write("good.sec", "fine"));
  first->NotifyHasChanged();
  journal.clear();
  EXPECT_EQ("The project at '" + (home_.Path() / "missing.sec").string() + "' does not exist",
            ThrownText([&] { app.OpenDocument(home_.Path() / "missing.sec"); }));
  EXPECT_TRUE(journal.empty());  // no question, nothing closed
  EXPECT_EQ(first, app.GetDocument());

  // A file that cannot be read leaves an empty new project and one error
  // to show: the reason, or for anything but a std::exception, none.
  const wpath odd = home_.Write("odd.sec", "thrown");
  const std::pair<wpath, std::wstring> cases[] = {
      {home_.Write("broken.sec", "corrupt"), L"the project file is corrupt"},
      {odd, L"Cannot open '" + path_to_wstring(odd) + L"'. "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first.string());
    hub_.Take();
    answers = {AnswerNo};
    const auto opened = app.OpenDocument(c.first);
    EXPECT_TRUE(c.first == odd || (opened && opened->Path().empty()));
    EXPECT_EQ(opened, app.GetDocument());
    std::vector<std::pair<std::wstring, bool>> errors;  // with the flag that says "show it"
    for (const auto& message : hub_.messages)
      if (message.first->Severity() == Message::Error)
        errors.emplace_back(message.first->Text(), message.second);
    EXPECT_EQ((std::vector<std::pair<std::wstring, bool>>{{c.second, true}}), errors);
  }
}

// Autosave writes a copy only of what changed since the last one; a copy
// that fails is removed, and one of a replaced document goes with it.
TEST_F(ApplicationTest, AutosaveWritesChangesOnlyAndLeavesNothingBehind) {
  TestApplication app;
  const wpath file = home_.Write("Bridge.sec", "saved");
  const auto files = [](const wpath& folder) {
    return fs::exists(folder) ? std::distance(fs::directory_iterator(folder), {}) : 0;
  };
  app.OpenDocument(file);
  DocumentRecovery recovery(app);
  const wpath folder = recovery.Folder();
  TextDocument& document = static_cast<TextDocument&>(*app.GetDocument());
  document.failWrites = true;  // any write would throw
  EXPECT_FALSE(recovery.Autosave());
  document.text = "draft";
  document.NotifyHasChanged();
  EXPECT_ANY_THROW(recovery.Autosave());
  EXPECT_EQ(0, files(folder));  // what the failed copy wrote is gone
  document.failWrites = false;
  EXPECT_TRUE(recovery.Autosave());
  EXPECT_EQ(2, files(folder));  // the copy and its record
  document.failWrites = true;
  EXPECT_FALSE(recovery.Autosave());  // unchanged since the copy
  document.failWrites = false;
  document.HasChanged(false);  // as saved again: the copy goes
  EXPECT_FALSE(recovery.Autosave());
  EXPECT_EQ(0, files(folder));
  document.NotifyHasChanged();
  EXPECT_TRUE(recovery.Autosave());
  EXPECT_TRUE(recovery.Recoverable().empty());  // this run is alive
  answers = {AnswerNo};
  app.NewDocument();
  recovery.Autosave();
  EXPECT_EQ(0, files(folder));

  // Of a dead run's records only whole ones of ours whose copy lies beside
  // them are offered; the others are neither offered nor touched.
  const wpath record = folder / "1-0-1.recovery";
  fs::create_directories(folder);
  ofstream(folder / "Bridge.1.sec", std::ios::binary) << "copy";
  const std::string head = "Orvanta recovery record 1\ntime 2026-12-05T10:00:00\n";
  const std::string whole = head + "process 2147483646\ncopy Bridge.1.sec\n";
  ofstream(record, std::ios::binary) << whole + "original /p/A\\\\B\\nC\\q\\\n";
  const std::vector<RecoveryRecord> offered = recovery.Recoverable();
  ASSERT_EQ(1u, offered.size());
  EXPECT_EQ(2147483646ul, offered[0].process.id);
  EXPECT_EQ(wpath("/p/A\\B\nC\\q\\"), offered[0].original);
  EXPECT_EQ(folder / "Bridge.1.sec", offered[0].copy);
  for (const std::string& other :
       {head + "process 2147483646\ncopy ../Bridge.sec\n", whole + "started 18446744073709551616\n",
        whole + std::string(64 * 1024, '#') + "\n"}) {
    SCOPED_TRACE(other.substr(head.size(), 40));
    ofstream(record, std::ios::binary) << other;
    EXPECT_TRUE(recovery.Recoverable().empty());
    EXPECT_EQ(2, files(folder));
  }
}

}  // namespace
}  // namespace Orvanta
