// Documents opened, saved, backed up, closed and autosaved through the
// application.
#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>
#include <functional>
#include <memory>

#include "TestApplication.hpp"
#include "orvanta/application/DocumentRecovery.hpp"
#include "orvanta/documents/SharedProgramOptions.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::ReadFile;
using testing::TestApplication;
using testing::TextDocument;
using testing::ThrownText;

TEST_F(ApplicationTest, SaveBacksUpFirstAndNeverStopsForIt) {
  const wpath file = home_.Path() / "Bridge.sec";
  auto document = boost::make_shared<TextDocument>(false);
  document->SaveAs(file);  // silent: nothing announced
  EXPECT_EQ(file, document->Path());
  auto project = boost::make_shared<TextDocument>(file, true);
  project->text = "second";
  project->NotifyHasChanged();
  journal.clear();
  fs::remove(file);  // nothing to back up: an error message, and the save goes on
  project->Save();
  EXPECT_EQ("second", ReadFile(file));
  EXPECT_FALSE(project->HasChanged());
  ASSERT_EQ(3u, journal.size());
  EXPECT_NE(std::string::npos, journal[0].find("Bridge.sec")) << journal[0];  // copy failed
  EXPECT_EQ("Changes made to the project at '" + file.string() + "' have been saved", journal[1]);
  EXPECT_EQ("[saved]", journal[2]);

  journal.clear();
  project->text = "third";
  project->Save();  // now the file as last saved is kept
  EXPECT_EQ("second", ReadFile(home_.Path() / "Bridge.bak"));
  EXPECT_EQ(
      "A backup of the project has been saved as '" + (home_.Path() / "Bridge.bak").string() + "'",
      journal[0]);

  SharedProgramOptions::SetBackupExtension(".old");
  EXPECT_EQ(home_.Path() / "Bridge.old", project->BackupPath());
  SharedProgramOptions::SetAutomaticBackup(false);
  project->Save();
  EXPECT_FALSE(fs::exists(home_.Path() / "Bridge.old"));
  SharedProgramOptions::Reset();
}

TEST_F(ApplicationTest, SaveCopyAsAndFailingWrites) {
  const wpath file = home_.Path() / "a.sec", copy = home_.Path() / "copy.sec";
  auto project = boost::make_shared<TextDocument>(true);
  project->text = "content";
  project->SaveAs(file);
  project->NotifyHasChanged();
  journal.clear();
  project->SaveCopyAs(copy);
  EXPECT_EQ(file, project->Path());
  EXPECT_TRUE(project->HasChanged());
  EXPECT_EQ("content", ReadFile(copy));
  EXPECT_EQ(
      (testing::Entries{"The project has been saved at a new location: '" + copy.string() + "'",
                        "[saved]"}),
      journal);

  journal.clear();
  project->failWrites = true;
  EXPECT_THROW(project->SaveAs(home_.Path() / "b.sec"), std::runtime_error);
  EXPECT_EQ(file, project->Path());
  EXPECT_TRUE(project->HasChanged());
  project->failWrites = false;

  ofstream(file, std::ios::binary) << "on disk";
  project->Revert();
  EXPECT_EQ("on disk", project->text);
  EXPECT_TRUE(project->HasChanged());  // untouched by reverting

  auto unsaved = boost::make_shared<TextDocument>(false);
  EXPECT_THROW(unsaved->Save(), NoPathError);
  EXPECT_THROW(unsaved->SaveAs(wpath()), NoPathError);
  EXPECT_THROW(unsaved->BackupPath(), NoPathError);
  EXPECT_THROW(unsaved->Revert(), NoPathError);
  unsaved->Backup();             // nothing to do, nothing said
  EXPECT_TRUE(journal.empty());  // the failed SaveAs announced nothing
}

TEST_F(ApplicationTest, CloseQuestions) {
  TestApplication app;
  const wpath file = home_.Path() / "p.sec";
  ofstream(file, std::ios::binary) << "saved";
  const std::string changed =
      "? Close Document: The current project '" + file.string() +
      "' has changed since it was last saved. Do you want to save it before closing?";

  app.OpenDocument(file);
  app.GetDocument()->NotifyHasChanged();
  journal.clear();
  answers = {AnswerCancel};
  EXPECT_FALSE(app.CloseDocument());
  EXPECT_TRUE(app.GetDocument());
  answers = {AnswerNo};
  EXPECT_TRUE(app.CloseDocument());
  EXPECT_FALSE(app.GetDocument());
  EXPECT_EQ((testing::Entries{changed, changed, "[closed]",
                              "The project at '" + file.string() + "' has been closed"}),
            journal);

  app.OpenDocument(file);
  static_cast<TextDocument&>(*app.GetDocument()).text = "edited";
  app.GetDocument()->NotifyHasChanged();
  answers = {AnswerYes};
  EXPECT_TRUE(app.CloseDocument());
  EXPECT_EQ("edited", ReadFile(file));

  app.NewDocument();
  answers = {AnswerYes};
  EXPECT_THROW(app.CloseDocument(), NoPathError);  // never saved: the caller asks for a name
  EXPECT_TRUE(app.GetDocument());
  answers = {AnswerNo};
  journal.clear();
  app.NewDocument();  // closes the unsaved one first
  EXPECT_EQ(
      "? Close Document: The current project has not yet been saved. Do you want to save "
      "it before closing?",
      journal.at(0));
  EXPECT_EQ("[closed]", journal.at(1));
  EXPECT_EQ("A new project has been created", journal.at(3));
  EXPECT_EQ("[created]", journal.at(4));
}

TEST_F(ApplicationTest, OpeningMissingAndBrokenFiles) {
  TestApplication app;
  const wpath file = home_.Write("good.sec", "fine");
  const auto first = app.OpenDocument(file);
  first->NotifyHasChanged();
  journal.clear();
  EXPECT_EQ("The project at '" + (home_.Path() / "missing.sec").string() + "' does not exist",
            ThrownText([&] { app.OpenDocument(home_.Path() / "missing.sec"); }));
  EXPECT_TRUE(journal.empty());  // no question, nothing closed
  EXPECT_EQ(first, app.GetDocument());

  // A file that cannot be read leaves an empty new project and one error
  // to show: the reason, or for anything but a std::exception, none.
  const wpath broken = home_.Write("broken.sec", "corrupt"), odd = home_.Write("odd.sec", "thrown");
  const std::pair<wpath, std::wstring> cases[] = {
      {broken, L"the project file is corrupt"},
      {odd, L"Cannot open '" + path_to_wstring(odd) + L"'. "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first.string());
    hub_.Take();
    answers = {AnswerNo};
    const auto opened = app.OpenDocument(c.first);
    EXPECT_TRUE(c.first == odd || (opened && opened->Path().empty()));
    EXPECT_EQ(opened, app.GetDocument());
    int errors = 0;
    for (const auto& message : hub_.messages) {
      if (message.first->Severity() != Message::Error) continue;
      ++errors;
      EXPECT_EQ(c.second, message.first->Text());
      EXPECT_TRUE(message.second);
    }
    EXPECT_EQ(1, errors);
  }
}

TEST_F(ApplicationTest, OperationsWithoutADocument) {
  TestApplication app;
  const std::pair<const char*, std::function<void()>> calls[] = {
      {"SaveDocument", [&] { app.SaveDocument(); }},
      {"SaveDocumentAs", [&] { app.SaveDocumentAs(wpath(L"x")); }},
      {"BackupDocument", [&] { app.BackupDocument(); }},
      {"HasDocumentChanged", [&] { app.HasDocumentChanged(); }},
  };
  for (const auto& call : calls)
    EXPECT_EQ("Internal error: document does not exist in 'BaseApplication::" +
                  std::string(call.first) + "'",
              ThrownText(call.second));
  EXPECT_TRUE(app.CloseDocument());
  EXPECT_FALSE(app.HasDocumentPath());
  EXPECT_EQ(wpath(), app.DocumentPath());
}

// Autosave writes a copy only of what changed since the last one, and a run
// that ends normally, however it ends, leaves none behind.
TEST_F(ApplicationTest, AutosaveWritesChangesOnlyAndANormalEndLeavesNothing) {
  TestApplication app;
  const wpath file = home_.Path() / "Bridge.sec";
  const auto files = [](const wpath& folder) {
    return fs::exists(folder) ? std::distance(fs::directory_iterator(folder), {}) : 0;
  };
  typedef std::unique_ptr<DocumentRecovery> Recovery;
  const struct {
    const char* name;
    std::function<void(Recovery&)> end;
  } endings[] = {
      {"saved", [&](Recovery&) { app.SaveDocument(); }},
      {"closed without saving", [&](Recovery&) { app.CloseDocument(); }},
      {"replaced by a new one",
       [&](Recovery& recovery) {
         app.NewDocument();
         recovery->Autosave();
       }},
      {"recovery ended", [](Recovery& recovery) { recovery.reset(); }},
  };
  for (const auto& ending : endings) {
    SCOPED_TRACE(ending.name);
    ofstream(file, std::ios::binary) << "saved";
    app.OpenDocument(file);
    Recovery recovery(new DocumentRecovery(app));
    const wpath folder = recovery->Folder();
    TextDocument& document = static_cast<TextDocument&>(*app.GetDocument());
    document.failWrites = true;  // any write would throw
    EXPECT_FALSE(recovery->Autosave());
    document.text = "draft";
    document.NotifyHasChanged();
    EXPECT_ANY_THROW(recovery->Autosave());
    EXPECT_EQ(0, files(folder));  // what the failed copy wrote is gone
    document.failWrites = false;
    EXPECT_TRUE(recovery->Autosave());
    EXPECT_EQ(2, files(folder));  // the copy and its record
    document.failWrites = true;
    EXPECT_FALSE(recovery->Autosave());  // unchanged since the copy
    document.failWrites = false;
    document.HasChanged(false);  // as saved again: the copy goes
    EXPECT_FALSE(recovery->Autosave());
    EXPECT_EQ(0, files(folder));
    document.NotifyHasChanged();
    EXPECT_TRUE(recovery->Autosave());
    EXPECT_TRUE(recovery->Recoverable().empty());  // this run is alive

    answers = {AnswerNo, AnswerNo};
    ending.end(recovery);
    EXPECT_EQ(0, files(folder));
    app.CloseDocument();
  }

  // Of a dead run's records only whole ones of ours whose copy lies beside
  // them are offered; the others are neither offered nor touched.
  DocumentRecovery recovery(app);
  const wpath folder = recovery.Folder(), record = folder / "1-0-1.recovery";
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
  const std::pair<const char*, std::string> others[] = {
      {"no record", "not a record"},
      {"copy outside", head + "process 2147483646\ncopy ../Bridge.sec\n"},
      {"process 0", head + "process 0\ncopy Bridge.1.sec\n"},
      {"process no number", head + "process 12x\ncopy Bridge.1.sec\n"},
      {"no process", head + "copy Bridge.1.sec\n"},
      {"started no number", whole + "started \n"},
      {"started too large", whole + "started 18446744073709551616\n"},
      {"larger than 64 KiB", whole + std::string(64 * 1024, '#') + "\n"},
  };
  for (const auto& r : others) {
    SCOPED_TRACE(r.first);
    ofstream(record, std::ios::binary) << r.second;
    EXPECT_TRUE(recovery.Recoverable().empty());
    EXPECT_EQ(2, files(folder));
  }
  {  // a copy that outlives its document writes nothing
    auto gone = boost::make_shared<TextDocument>();
    RecoveryCopy orphan(*gone, folder, L"Test");
    gone.reset();
    EXPECT_EQ(nullptr, orphan.Document());
    EXPECT_FALSE(orphan.Write());
  }
  // Discarding removes a copy only when it lies beside its record.
  RecoveryRecord outside;
  outside.record = record;
  outside.copy = file;
  recovery.Discard(outside);
  EXPECT_EQ(1, files(folder));
  EXPECT_EQ("saved", ReadFile(file));
}

}  // namespace
}  // namespace Orvanta
