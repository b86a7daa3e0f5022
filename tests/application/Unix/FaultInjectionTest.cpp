// Writes that fail: a file-size limit (as on a full disk) set in a child
// process, and paths that are folders. Whatever fails must be reported as the
// library promises, and no file that was good before may be cut short.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "TestApplication.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::ReadFile;
using testing::TestApplication;
using testing::TextDocument;

// Runs `body` in a child process after `prepare` and returns the child's exit
// status: the body's result (0 to 124), 125 when `prepare` failed, 126 when the
// body threw, 127 when the child did not exit.
int InChild(const std::function<bool()>& prepare, const std::function<int()>& body) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    if (!prepare()) ::_exit(125);
    int result = 126;
    try {
      result = body();
    } catch (...) {
    }
    ::_exit(result);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 127;
}

// Runs `body` in a child process whose files may not grow past `bytes`.
int WithFileSizeLimit(rlim_t bytes, const std::function<int()>& body) {
  return InChild(
      [bytes] {
        ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
        const rlimit limit{bytes, bytes};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
      },
      body);
}

// Runs `body` in a child process that cannot write into folders without a
// write permission bit: as the unprivileged user nobody when the tests run
// as root.
int WithoutWritePermission(const std::function<int()>& body) {
  return InChild(
      [] { return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0); },
      body);
}

// Writes its text to a temporary file beside the target and renames that over
// the target, and throws when either step fails: a host that saves the way
// the example program does.
class CarefulDocument : public TextDocument {
 public:
  CarefulDocument() : TextDocument(true) {}
  void WriteTo(const wpath& path) const override {
    const wpath temporary = path.string() + ".new";
    boost::system::error_code ignored;
    std::ofstream out(temporary.string(), std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
      fs::remove(temporary, ignored);
      throw std::runtime_error("cannot write " + temporary.string());
    }
    fs::rename(temporary, path, ignored);
    if (ignored) {
      fs::remove(temporary);
      throw std::runtime_error("cannot replace " + path.string());
    }
  }
};

// SaveAs and SaveCopyAs, which must both leave the document as it was when
// the host cannot write.
struct SaveOperation {
  const char* name;
  void (BaseDocument::*save)(const wpath&) const;
};
const SaveOperation kSaveOperations[] = {{"SaveAs", &BaseDocument::SaveAs},
                                         {"SaveCopyAs", &BaseDocument::SaveCopyAs}};

// Saves `document` (saved at its path, changed since) with `operation` to
// `target`, which must fail. 0 when the failure reached the caller and the
// path, the changed flag and the journal stayed as they were; else which of
// those went wrong (1, 2, 4, 8).
int FailedSave(const SaveOperation& operation, const CarefulDocument& document,
               const wpath& target, const std::vector<std::string>& journal) {
  const wpath path = document.Path();
  const std::size_t messages = journal.size();
  int wrong = 0;
  try {
    (document.*operation.save)(target);
    wrong |= 1;
  } catch (const std::exception&) {
  }
  if (document.Path() != path) wrong |= 2;
  if (!document.HasChanged()) wrong |= 4;
  if (journal.size() != messages) wrong |= 8;
  return wrong;
}

TEST_F(ApplicationTest, FullDiskDuringSaveAsKeepsBothFiles) {
  for (const SaveOperation& operation : kSaveOperations) {
    SCOPED_TRACE(operation.name);
    const wpath own = home_.Path() / "own.sec", other = home_.Write("other.sec", "other's");
    auto document = boost::make_shared<CarefulDocument>();
    document->text = std::string(1000, 'a');
    document->SaveAs(own);
    document->text = std::string(4000, 'b');
    document->NotifyHasChanged();

    EXPECT_EQ(0, WithFileSizeLimit(2000, [&] {
                return FailedSave(operation, *document, other, journal);
              }));
    EXPECT_EQ(std::string(1000, 'a'), ReadFile(own));
    EXPECT_EQ("other's", ReadFile(other));
    EXPECT_FALSE(fs::exists(other.string() + ".new"));
  }
}

TEST_F(ApplicationTest, SaveAsIntoAReadOnlyFolderOrOntoAFolderKeepsEverything) {
  const wpath own = home_.Path() / "own.sec", locked = home_.Path() / "locked";
  fs::create_directories(locked);
  const wpath kept = home_.Write("locked/kept.sec", "kept");
  const wpath folder = home_.Path() / "folder.sec";
  fs::create_directories(folder / "inside");
  auto document = boost::make_shared<CarefulDocument>();
  document->text = "first";
  document->SaveAs(own);
  document->text = "second";
  document->NotifyHasChanged();

  fs::permissions(locked, fs::owner_read | fs::owner_exe | fs::group_read | fs::group_exe |
                              fs::others_read | fs::others_exe);
  for (const SaveOperation& operation : kSaveOperations) {
    SCOPED_TRACE(operation.name);
    EXPECT_EQ(0, WithoutWritePermission(
                     [&] { return FailedSave(operation, *document, kept, journal); }));
    EXPECT_EQ(0, WithoutWritePermission([&] {
                return FailedSave(operation, *document, locked / "new.sec", journal);
              }));
    EXPECT_EQ(0, FailedSave(operation, *document, folder, journal));
    EXPECT_EQ("kept", ReadFile(kept));
    EXPECT_FALSE(fs::exists(locked / "new.sec"));
    EXPECT_TRUE(fs::is_directory(folder / "inside"));
    EXPECT_FALSE(fs::exists(folder.string() + ".new"));
    EXPECT_EQ("first", ReadFile(own));
  }
  fs::permissions(locked, fs::owner_all);
}

TEST_F(ApplicationTest, FullDiskNeverCutsTheOptionsFileShort) {
  TestApplication app;
  app.SetMaxNumRecentProjects(7);
  ASSERT_TRUE(app.SaveUserOptions());
  const std::string good = ReadFile(app.ConfigFile());
  app.SetMaxNumRecentProjects(8);
  EXPECT_EQ(0, WithFileSizeLimit(200, [&] { return app.SaveUserOptions() ? 1 : 0; }));
  EXPECT_EQ(good, ReadFile(app.ConfigFile()));
  EXPECT_FALSE(fs::exists(app.ConfigFile().string() + ".new"));
}

TEST_F(ApplicationTest, FullDiskDuringASaveLeavesTheBackup) {
  const wpath file = home_.Path() / "p.sec";
  auto project = boost::make_shared<TextDocument>(false);
  project->text = std::string(1000, 'a');
  project->SaveAs(file);
  project->text = std::string(4000, 'b');
  project->NotifyHasChanged();
  // The host's own write fails half way; the library's backup came first.
  WithFileSizeLimit(2000, [&] {
    project->Save();
    return 0;
  });
  EXPECT_EQ(std::string(1000, 'a'), ReadFile(home_.Path() / "p.bak"));
}

TEST_F(ApplicationTest, FullDiskKeepsEarlierLogRuns) {
  TestApplication app;
  app.SetAppendToLog(true);
  const wpath file = home_.Path() / "Program.log";
  std::wstreambuf* previous = std::wclog.rdbuf();
  app.CreateProgramLog(file);
  app.CloseProgramLog();
  std::wclog.rdbuf(previous);
  const std::string first = ReadFile(file);
  ASSERT_FALSE(first.empty());
  WithFileSizeLimit(first.size() + 10, [&] {
    app.CreateProgramLog(file);
    std::wclog << std::wstring(500, L'x') << std::endl;
    app.CloseProgramLog();
    return 0;
  });
  EXPECT_EQ(0u, ReadFile(file).find(first));  // the earlier run is whole
}

TEST_F(ApplicationTest, ReportPageThatCannotBeWrittenIsReported) {
  TestApplication app;
  app.SetXSLTEngine(BaseApplication::MSXML);
  const wpath xml = home_.Write("r.xml", "<r/>"), xsl = home_.Write("r.xsl", "<x/>");
  EXPECT_EQ(0, WithFileSizeLimit(100, [&] {
              try {
                app.GenerateHTMLReport(xml, xsl);
              } catch (const BaseApplication::ReportGenerationError&) {
                return 0;
              }
              return 1;
            }));
  fs::remove(BaseApplication::CommonAppDataPath() / "Report.html");  // what the child left
  fs::create_directory(BaseApplication::CommonAppDataPath() / "Report.html");  // a folder
  EXPECT_THROW(app.CallMSXMLEngine(xml, xsl, BaseApplication::CommonAppDataPath() / "Report.html"),
               BaseApplication::ReportGenerationError);
}

TEST_F(ApplicationTest, BackupOverAFolderIsAnErrorMessageNotALoss) {
  const wpath file = home_.Path() / "q.sec";
  auto project = boost::make_shared<TextDocument>(false);
  project->text = "kept";
  project->SaveAs(file);
  fs::create_directories(home_.Path() / "q.bak" / "inside");  // cannot be replaced
  journal.clear();
  project->Save();
  EXPECT_EQ("kept", ReadFile(file));
  ASSERT_EQ(1u, journal.size());  // the backup's error; a silent document says nothing else
}

}  // namespace
}  // namespace Orvanta
