// Writes that fail and files that are not what they seem: a full disk or few
// file handles (limits set in a child process), permissions checked as the user
// nobody, links, folders and FIFOs planted where the user's files belong, and a
// run killed while its recovery copy was open.
// Whatever fails must be reported as the library promises, no file that was
// good before may be damaged, and nothing may be written through a link.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <boost/filesystem/operations.hpp>
#include <functional>

#include "TestApplication.hpp"
#include "orvanta/application/DocumentRecovery.hpp"
#include "orvanta/application/internal/ProgramLog.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::ReadFile;
using testing::StreamCapture;
using testing::TestApplication;
using testing::TextDocument;
using testing::ThrownText;
typedef std::function<int()> Body;

// What a child process runs under: `limit` is the size a file may grow to
// (a full disk) or the number of files it may hold open.
enum Fault { None, DiskFull, AsNobody, FewFiles };
constexpr uid_t kNobody = 65534;

// Starts `body` in a child process under `fault`, without waiting for it. Its
// exit status is the body's result (0 to 124), 125 when the fault could not be
// set up, 126 when the body threw.
pid_t Start(const Body& body, Fault fault = None, rlim_t limit = 0) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child != 0) return child;
  ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
  const rlimit limits{limit, limit};
  const bool ready = fault == DiskFull   ? ::setrlimit(RLIMIT_FSIZE, &limits) == 0
                     : fault == FewFiles ? ::setrlimit(RLIMIT_NOFILE, &limits) == 0
                                         : fault != AsNobody || ::geteuid() != 0 ||
                                               (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
  int result = ready ? 126 : 125;
  try {
    if (ready) result = body();
  } catch (...) {
  }
  ::_exit(result);
}

// The child's exit status; 127 when it did not exit.
int Wait(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 127;
}

int InChild(Fault fault, rlim_t limit, const Body& body) { return Wait(Start(body, fault, limit)); }

// Saves through the library's careful writer, as a host should.
class CarefulDocument : public TextDocument {
 public:
  void WriteTo(const wpath& path) const override {
    SafeFileWriter file(path);
    file.Stream() << text;
    file.Commit();
  }
};

// The names in `folder`, sorted.
std::vector<std::string> Names(const wpath& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Replaces `target` with `content`; the error's code when it fails.
boost::system::error_code Replace(const wpath& target, const std::string& content) {
  try {
    SafeFileWriter file(target);
    file.Stream() << content;
    file.Commit();
  } catch (const fs::filesystem_error& error) {
    return error.code();
  }
  return boost::system::error_code();
}

// SaveAs and SaveCopyAs into a full disk, or a file or folder only others
// may write: each fails to the caller and leaves the document's
// path, its changed flag, the journal and every file as they were.
TEST_F(ApplicationTest, SaveAsThatCannotWriteKeepsEverything) {
  const wpath own = home_.Path() / "own.sec", other = home_.Write("other.sec", "other's");
  const wpath locked = home_.Path() / "locked";
  fs::create_directories(locked);
  const wpath kept = home_.Write("locked/kept.sec", "kept");
  const auto document = boost::make_shared<CarefulDocument>();
  document->text = std::string(1000, 'a');
  document->SaveAs(own);
  document->text = std::string(4000, 'b');
  document->NotifyHasChanged();
  ::chmod(locked.c_str(), 0555);
  const struct {
    const char* name;
    Fault fault;
    wpath target;
  } cases[] = {{"full disk", DiskFull, other},
               {"read-only file", AsNobody, kept},
               {"read-only folder", AsNobody, locked / "new.sec"}};
  for (const bool copy : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(copy ? "SaveCopyAs, " : "SaveAs, ") + c.name);
      EXPECT_EQ(0, InChild(c.fault, 2000, [&] {  // which of the four went wrong (1, 2, 4, 8)
                  const std::size_t messages = journal.size();
                  const int saved =
                      ThrownText([&] {
                        copy ? document->SaveCopyAs(c.target) : document->SaveAs(c.target);
                      }) == "nothing thrown";
                  return saved | (document->Path() != own ? 2 : 0) |
                         (document->HasChanged() ? 0 : 4) | (journal.size() != messages ? 8 : 0);
                }));
    }
  }
  EXPECT_EQ(std::string(1000, 'a'), ReadFile(own));
  EXPECT_EQ("other's", ReadFile(other));
  EXPECT_EQ("kept", ReadFile(kept));
  EXPECT_EQ((std::vector<std::string>{"locked", "other.sec", "own.sec"}), Names(home_.Path()));
  ::chmod(locked.c_str(), 0755);
}

// A project whose backup path is its own file (a backup opened to recover
// from it, a backup extension that is the project's own, a backup that is a
// link to the project) is saved without a backup, and the log says so.
TEST_F(ApplicationTest, BackupNeverDestroysTheProject) {
  const struct {
    const char* file;
    const char* extension;
    const char* link;  // made a link to the project
  } sameFile[] = {
      {"rescue.bak", ".bak", nullptr}, {"p.xml", ".xml", nullptr}, {"q.sec", ".bak", "q.bak"}};
  for (const auto& c : sameFile) {
    SCOPED_TRACE(c.file);
    BaseApplication::SetBackupExtension(c.extension);
    const wpath file = home_.Path() / c.file;
    const auto project = boost::make_shared<CarefulDocument>();
    project->text = std::string(3000, 'a');
    project->SaveAs(file);
    if (c.link) fs::create_symlink(c.file, home_.Path() / c.link);
    project->text = std::string(4000, 'b');
    EXPECT_EQ(0, InChild(DiskFull, 3500,
                         [&] { return ThrownText([&] { project->Save(); }) == "nothing thrown"; }));
    EXPECT_EQ(std::string(3000, 'a'), ReadFile(file));
    StreamCapture log;
    project->Save();
    EXPECT_EQ(std::string(4000, 'b'), ReadFile(file));
    EXPECT_NE(std::wstring::npos, log.Text().find(L"No backup made"));
  }
  BaseApplication::SetBackupExtension(".bak");
}

// The program log is a regular file of its own: a link planted at its name
// is refused, and the file it names keeps its content and mode; a FIFO is
// refused at once.
TEST(ProgramLog, NeverWritesThroughAPlantedLinkOrWaitsForAFifo) {
  testing::TemporaryFolder home;
  const wpath file = home.Path() / "Program.log";
  const wpath victim = home.Write("victim", "precious");
  ::chmod(victim.c_str(), 0444);
  StreamCapture errors(std::wcerr);
  fs::create_symlink(victim, file);
  detail::ProgramLog log;
  log.Open(file, true);
  std::wclog << L"after the refusal" << std::endl;  // wherever it goes, not to the victim
  EXPECT_EQ("precious", ReadFile(victim));
  EXPECT_EQ(0444, static_cast<int>(fs::status(victim).permissions()));
  EXPECT_TRUE(fs::is_symlink(file));
  fs::remove(file);
  EXPECT_EQ(0, ::mkfifo(file.c_str(), 0644));
  log.Open(file, false);
  EXPECT_EQ(L"Could not open the error log\nCould not open the error log\n", errors.Text());
}

// What SafeFileWriter may not replace it refuses before writing anything;
// through a link it replaces the file the link names and the link stays; the
// permission bits and the owner stay; a name as long as the system allows can
// be saved; a full disk leaves the old file and no temporary one.
TEST(SafeFileWriter, ReplacesOnlyWhatItMayAndKeepsLinksModesAndOwners) {
  testing::TemporaryFolder home;
  const wpath shared = home.Path() / "shared";
  fs::create_directories(shared / "folder");
  ::mkfifo((shared / "fifo").c_str(), 0666);
  const wpath real = home.Write("shared/real", "old"),
              readOnly = home.Write("shared/read-only", "old");
  ::chmod(readOnly.c_str(), 0444);
  ::chmod(real.c_str(), 0640);
  ASSERT_EQ(0, ::chown(real.c_str(), kNobody, kNobody));
  fs::create_symlink("real", shared / "link");
  fs::create_symlink("absent", shared / "dangling");
  fs::create_symlink(real, shared / "real.new");  // planted where others wrote
  namespace errc = boost::system::errc;
  const std::string longName(255, 'n');
  const struct {
    std::string target;
    Fault fault;
    boost::system::error_code error;  // none: the target's name is written to `written`
    std::string written;
  } cases[] = {{"read-only", None, make_error_code(FileError::ReadOnly), ""},
               {"folder", None, make_error_code(errc::is_a_directory), ""},
               {"fifo", None, make_error_code(FileError::NotRegularFile), ""},
               {"link", None, {}, "real"},
               {"dangling", None, {}, "absent"},
               {longName, None, {}, longName},
               {"real", DiskFull, make_error_code(errc::file_too_large), ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target.substr(0, 20));
    const std::string content = c.fault == DiskFull ? std::string(4000, 'x') : c.target;
    EXPECT_EQ(0, InChild(c.fault, 2000, [&] {
                return Replace(shared / c.target, content).default_error_condition() ==
                               c.error.default_error_condition()
                           ? 0
                           : 1;
              }));
    EXPECT_TRUE(c.error || ReadFile(shared / c.written) == c.target);
  }
  EXPECT_EQ("old", ReadFile(readOnly));
  EXPECT_EQ("link", ReadFile(real));
  EXPECT_EQ((std::vector<std::string>{"absent", "dangling", "fifo", "folder", "link", longName,
                                      "read-only", "real", "real.new"}),
            Names(shared));
  EXPECT_EQ((std::vector<std::string>{"shared"}), Names(home.Path()));
  for (const char* link : {"link", "dangling", "real.new"})
    EXPECT_TRUE(fs::is_symlink(shared / link)) << link;
  struct stat status {};
  ASSERT_EQ(0, ::stat(real.c_str(), &status));
  EXPECT_EQ(0640u, status.st_mode & 07777);
  EXPECT_EQ(kNobody, status.st_uid);
}

// Every file SafeFileWriter opens it closes again: a hundred saves and reads
// fit in a process that may hold 32 files open. Given the version it read, a
// save fails when another one saved since, instead of silently dropping the
// other one's change.
TEST(SafeFileWriter, ClosesWhatItOpensAndRefusesAStaleRead) {
  testing::TemporaryFolder home;
  const wpath file = home.Path() / "Bridge.sec";
  EXPECT_EQ(0, InChild(FewFiles, 32, [&] {
              for (int i = 0; i < 100; ++i) {
                std::string text;
                if (Replace(file, std::to_string(i)) || !(InputFile(file) >> text) ||
                    text != std::to_string(i))
                  return 1;
              }
              return 0;
            }));
  const FileStamp read = InputFile(file).Stamp();
  EXPECT_FALSE(Replace(file, "changed"));
  EXPECT_THROW(SafeFileWriter(file, read), fs::filesystem_error);
  EXPECT_EQ("changed", ReadFile(file));
}

// A run killed after two autosaves leaves its copy; while it lives its copy
// is never offered, and once it is dead the next run lists it and recovers
// exactly what the last autosave wrote, bound to the original file.
TEST_F(ApplicationTest, AKilledRunsCopyIsRecoveredByTheNextRun) {
  const wpath file = home_.Write("Bridge.sec", "saved");
  int ready[2];
  ASSERT_EQ(0, ::pipe(ready));
  const pid_t child = Start([&] {
    TestApplication app;
    app.OpenDocument(file);
    DocumentRecovery recovery(app);
    TextDocument& document = static_cast<TextDocument&>(*app.GetDocument());
    for (const char* text : {"first draft", "second draft"}) {
      document.text = text;
      document.NotifyHasChanged();
      recovery.Autosave();
    }
    if (::write(ready[1], "x", 1) != 1) return 1;
    for (;;) ::pause();
  });
  ::close(ready[1]);  // a child that dies early ends the read
  char signal = 0;
  ASSERT_EQ(1, ::read(ready[0], &signal, 1));
  ::close(ready[0]);

  TestApplication app;
  DocumentRecovery recovery(app);
  EXPECT_TRUE(recovery.Recoverable().empty());  // its run is alive
  ::kill(child, SIGKILL);
  EXPECT_EQ(127, Wait(child));
  const std::vector<RecoveryRecord> lost = recovery.Recoverable();
  ASSERT_EQ(1u, lost.size());
  EXPECT_EQ(L"Test\u00e5pp", lost[0].program);
  EXPECT_EQ(static_cast<unsigned long>(child), lost[0].process.id);

  const auto document = boost::dynamic_pointer_cast<TextDocument>(recovery.Recover(lost[0]));
  ASSERT_TRUE(document);
  EXPECT_EQ("second draft", document->text);
  EXPECT_EQ(file, document->Path());
  EXPECT_TRUE(document->HasChanged());
  EXPECT_EQ(0u, journal.back().find("The project at '" + file.string() + "' has been recovered"))
      << journal.back();
  app.SaveDocument();  // ends this run's copy
  EXPECT_EQ("second draft", ReadFile(file));
  EXPECT_TRUE(Names(recovery.Folder()).empty());
}

}  // namespace
}  // namespace Orvanta
