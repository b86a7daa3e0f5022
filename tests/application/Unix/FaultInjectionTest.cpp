// Writes that fail and files that are not what they seem: a file-size limit
// (as on a full disk) set in a child process, permissions checked as the user
// nobody, links, folders and FIFOs planted where the user's files belong, two
// processes writing one file at once, and processes killed while they save.
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
#include <chrono>
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
typedef std::function<int()> Body;

// Starts `body` in a child process after `prepare`, without waiting for it.
// Its exit status is the body's result (0 to 124), 125 when `prepare` failed,
// 126 when the body threw.
pid_t StartChild(
    const Body& body, const std::function<bool()>& prepare = [] { return true; }) {
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
  return child;
}

// The child's exit status; 127 when it did not exit.
int ExitStatus(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 127;
}

// Runs `body` in a child process whose files may not grow past `bytes`.
int WithFileSizeLimit(rlim_t bytes, const Body& body) {
  return ExitStatus(StartChild(body, [bytes] {
    ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
    const rlimit limit{bytes, bytes};
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }));
}

// Runs `body` in a child process that permissions bind: as the unprivileged
// user nobody when the tests run as root.
constexpr uid_t kNobody = 65534;
int WithoutWritePermission(const Body& body) {
  return ExitStatus(StartChild(
      body, [] { return ::geteuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0); }));
}

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

// 0 when `call` throws an E, 1 when it returns.
template <class E = std::exception, class Call>
int Fails(Call call) {
  try {
    call();
  } catch (const E&) {
    return 0;
  }
  return 1;
}

// The monotonic clock, which all processes share.
long long Now() { return std::chrono::steady_clock::now().time_since_epoch().count(); }

// SaveAs and SaveCopyAs into a full disk, a file or folder only others may
// write, or onto a folder: each fails to the caller and leaves the document's
// path, its changed flag, the journal and every file as they were.
TEST_F(ApplicationTest, SaveAsThatCannotWriteKeepsEverything) {
  const wpath own = home_.Path() / "own.sec", other = home_.Write("other.sec", "other's");
  const wpath locked = home_.Path() / "locked", folder = home_.Path() / "folder.sec";
  fs::create_directories(locked);
  fs::create_directories(folder / "inside");
  const wpath kept = home_.Write("locked/kept.sec", "kept");
  const auto document = boost::make_shared<CarefulDocument>();
  document->text = std::string(1000, 'a');
  document->SaveAs(own);
  document->text = std::string(4000, 'b');
  document->NotifyHasChanged();
  ::chmod(locked.c_str(), 0555);

  const auto fullDisk = [](const Body& body) { return WithFileSizeLimit(2000, body); };
  const auto here = [](const Body& body) { return body(); };
  const struct {
    const char* name;
    std::function<int(const Body&)> run;
    wpath target;
  } cases[] = {
      {"full disk", fullDisk, other},
      {"read-only file", WithoutWritePermission, kept},
      {"read-only folder", WithoutWritePermission, locked / "new.sec"},
      {"onto a folder", here, folder},
  };
  for (const bool copy : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(copy ? "SaveCopyAs, " : "SaveAs, ") + c.name);
      EXPECT_EQ(0, c.run([&] {  // which of the four went wrong (1, 2, 4, 8)
        const std::size_t messages = journal.size();
        const int saved =
            Fails([&] { copy ? document->SaveCopyAs(c.target) : document->SaveAs(c.target); });
        return saved | (document->Path() != own ? 2 : 0) | (document->HasChanged() ? 0 : 4) |
               (journal.size() != messages ? 8 : 0);
      }));
    }
  }
  EXPECT_EQ(std::string(1000, 'a'), ReadFile(own));
  EXPECT_EQ("other's", ReadFile(other));
  EXPECT_EQ("kept", ReadFile(kept));
  EXPECT_EQ(std::vector<std::string>{"kept.sec"}, Names(locked));
  EXPECT_TRUE(fs::is_directory(folder / "inside"));
  EXPECT_EQ((std::vector<std::string>{"folder.sec", "locked", "other.sec", "own.sec"}),
            Names(home_.Path()));
  ::chmod(locked.c_str(), 0755);
}

// Nothing is written anywhere when the options file cannot be written: not
// the file, not the log. A folder or a FIFO in the file's place is "not
// found" when loading, and a FIFO is never waited for.
TEST_F(ApplicationTest, OptionsFileThatCannotBeWrittenOrReadIsLeftAlone) {
  TestApplication app;
  app.SetMaxNumRecentProjects(7);
  ASSERT_TRUE(app.SaveUserOptions());
  const wpath file = app.ConfigFile();
  const std::string good = ReadFile(file);
  const std::vector<std::string> names = Names(file.parent_path());
  app.SetMaxNumRecentProjects(8);
  const auto failsSilently = [&] {  // 0 when the save failed and wrote no log line
    StreamCapture log;
    return (app.SaveUserOptions() ? 1 : 0) | (log.Text().empty() ? 0 : 2);
  };
  EXPECT_EQ(0, WithFileSizeLimit(200, failsSilently));
  ::chmod(file.c_str(), 0444);  // read-only: refused even for root
  EXPECT_EQ(0, failsSilently());
  EXPECT_EQ(good, ReadFile(file));
  EXPECT_EQ(names, Names(file.parent_path()));

  fs::remove(file);
  fs::create_directory(file);
  for (const char* what : {"a folder", "a FIFO"}) {
    SCOPED_TRACE(what);
    journal.clear();
    EXPECT_FALSE(app.LoadUserOptions(false));
    ASSERT_EQ(2u, journal.size());  // the outcome and its one leaf
    EXPECT_EQ(0u, journal[1].find("  User options not found")) << journal[1];
    EXPECT_EQ(0, failsSilently());
    fs::remove(file);
    ASSERT_EQ(0, ::mkfifo(file.c_str(), 0644));
  }
}

// A project whose backup path is its own file (a backup opened to recover
// from it, a backup extension that is the project's own, a backup that is a
// link to the project) is saved without a backup, and the log says so. A
// backup that cannot be completed leaves the last good one whole, and one
// that cannot replace a folder is an error message, not a lost save.
TEST_F(ApplicationTest, BackupNeverDestroysTheProjectOrTheLastGoodBackup) {
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
    EXPECT_EQ(0, WithFileSizeLimit(3500, [&] {  // and the host's write fails
                return Fails([&] { project->Save(); });
              }));
    EXPECT_EQ(std::string(3000, 'a'), ReadFile(file));
    StreamCapture log;
    project->Save();
    EXPECT_EQ(std::string(4000, 'b'), ReadFile(file));
    EXPECT_NE(std::wstring::npos, log.Text().find(L"No backup made"));
  }
  BaseApplication::SetBackupExtension(".bak");

  const wpath file = home_.Path() / "r.sec", backup = home_.Path() / "r.bak";
  const auto project = boost::make_shared<TextDocument>(false);
  project->text = std::string(3000, 'a');
  project->SaveAs(file);
  project->Save();
  project->text = std::string(5000, 'b');
  project->Save();  // the backup holds the 'a's
  journal.clear();
  const std::vector<std::string> names = Names(home_.Path());
  EXPECT_EQ(0, WithFileSizeLimit(4000, [&] {  // the new backup would need 5000 bytes
              project->Backup();
              return journal.size() == 1 ? 0 : 1;  // the error, as a message
            }));
  EXPECT_EQ(std::string(3000, 'a'), ReadFile(backup));
  EXPECT_EQ(names, Names(home_.Path()));
  fs::remove(backup);
  fs::create_directories(backup / "inside");
  project->Save();
  EXPECT_EQ(std::string(5000, 'b'), ReadFile(file));
  EXPECT_EQ(1u, journal.size());  // the backup's error; a silent document says nothing else
}

// A full disk keeps the earlier runs of the log whole. The log is a regular
// file of its own: a link planted at its name is refused (message 2045), and
// the file it names keeps its content and mode; a FIFO is refused at once.
TEST(ProgramLog, KeepsEarlierRunsAndNeverWritesThroughAPlantedLink) {
  testing::TemporaryFolder home;
  const wpath file = home.Path() / "Program.log";
  {
    detail::ProgramLog log;
    log.Open(file, true);
    log.WriteStopLines();
  }
  const std::string first = ReadFile(file);
  ASSERT_FALSE(first.empty());
  WithFileSizeLimit(first.size() + 10, [&] {
    detail::ProgramLog log;
    log.Open(file, true);
    std::wclog << std::wstring(500, L'x') << std::endl;
    log.WriteStopLines();
    return 0;
  });
  EXPECT_EQ(0u, ReadFile(file).find(first));

  const wpath victim = home.Write("victim", "precious");
  ::chmod(victim.c_str(), 0444);
  StreamCapture errors(std::wcerr);
  {
    detail::ProgramLog log;
    for (const bool append : {false, true}) {
      SCOPED_TRACE(append ? "appending" : "replacing");
      fs::remove(file);
      fs::create_symlink(victim, file);
      log.Open(file, append);
      std::wclog << L"after the refusal" << std::endl;  // wherever it goes, not to the victim
      EXPECT_EQ("precious", ReadFile(victim));
      EXPECT_EQ(0444, static_cast<int>(fs::status(victim).permissions()));
      EXPECT_TRUE(fs::is_symlink(file));
      log.Open(home.Path() / "Good.log", append);  // the next round follows an open log
    }
    fs::remove(file);
    EXPECT_EQ(0, ::mkfifo(file.c_str(), 0644));
    log.Open(file, false);
  }
  EXPECT_EQ(
      L"Could not open the error log\nCould not open the error log\n"
      L"Could not open the error log\n",
      errors.Text());
}

TEST_F(ApplicationTest, ReportPageThatCannotBeWrittenIsReported) {
  TestApplication app;
  app.SetXSLTEngine(BaseApplication::MSXML);
  const wpath xml = home_.Write("r.xml", "<r/>"), xsl = home_.Write("r.xsl", "<x/>");
  const wpath page = BaseApplication::CommonAppDataPath() / "Report.html";
  const std::vector<std::string> before = Names(page.parent_path());
  typedef BaseApplication::ReportGenerationError Refused;
  EXPECT_EQ(0, WithFileSizeLimit(
                   100, [&] { return Fails<Refused>([&] { app.GenerateHTMLReport(xml, xsl); }); }));
  EXPECT_EQ(before, Names(page.parent_path()));  // no page, no temporary file
  fs::create_directory(page);
  EXPECT_THROW(app.CallMSXMLEngine(xml, xsl, page), Refused);
  fs::remove(page);
  ASSERT_EQ(0, ::mkfifo(page.c_str(), 0644));
  EXPECT_THROW(app.CallMSXMLEngine(xml, xsl, page), Refused);
}

// What SafeFileWriter refuses, it refuses before writing anything; and every
// file it opens it closes again: a hundred saves and reads fit in a process
// that may hold 32 files open.
TEST(SafeFileWriter, RefusesWhatItMayNotReplaceAndClosesWhatItOpens) {
  testing::TemporaryFolder home;
  const wpath shared = home.Path() / "shared";  // anyone may write in it
  fs::create_directory(shared);
  ::chmod(shared.c_str(), 0777);
  const wpath readOnly = home.Write("shared/read-only", "old"),
              others = home.Write("shared/root's", "old"), fifo = shared / "fifo";
  ::chmod(readOnly.c_str(), 0444);
  ::chmod(others.c_str(), 0644);
  ::mkfifo(fifo.c_str(), 0666);
  fs::create_directory(shared / "folder");
  const std::vector<std::string> names = Names(shared);
  EXPECT_EQ(make_error_code(FileError::ReadOnly), Replace(readOnly, "new"));
  EXPECT_EQ(boost::system::errc::is_a_directory, Replace(shared / "folder", "new"));
  EXPECT_EQ(make_error_code(FileError::NotRegularFile), Replace(fifo, "new"));
  for (const wpath& target : {others, home.Path() / "new"}) {  // a file, a folder nobody may write
    EXPECT_EQ(0, WithoutWritePermission([&] {
                return Replace(target, "new") == boost::system::errc::permission_denied ? 0 : 1;
              }))
        << target;
  }
  EXPECT_EQ("old", ReadFile(readOnly));
  EXPECT_EQ("old", ReadFile(others));
  EXPECT_EQ(names, Names(shared));
  EXPECT_EQ((std::vector<std::string>{"shared"}), Names(home.Path()));

  const wpath file = home.Path() / "Bridge.sec";
  EXPECT_EQ(0, ExitStatus(StartChild(
                   [&] {
                     for (int i = 0; i < 100; ++i) {
                       if (Replace(file, std::to_string(i))) return 1;
                       InputFile in(file);
                       std::string text;
                       if (!(in >> text) || text != std::to_string(i)) return 2;
                     }
                     return 0;
                   },
                   [] {
                     const rlimit limit{32, 32};
                     return ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
                   })));
}

// The file a link names is replaced and the link stays; the permission bits
// and the owner stay; a name as long as the system allows can be saved; a
// full disk leaves the old file and no temporary one.
TEST(SafeFileWriter, KeepsLinksPermissionsOwnersAndLongNames) {
  testing::TemporaryFolder home;
  const wpath real = home.Write("real.xml", "old");
  ::chmod(real.c_str(), 0640);
  ASSERT_EQ(0, ::chown(real.c_str(), kNobody, kNobody));
  fs::create_symlink("real.xml", home.Path() / "link.xml");
  fs::create_directory(home.Path() / "links");
  fs::create_symlink("../link.xml", home.Path() / "links" / "chain.xml");
  fs::create_symlink("absent.xml", home.Path() / "dangling.xml");
  fs::create_symlink(real, home.Path() / "real.xml.new");  // planted where others wrote
  const std::string longName(255, 'n');
  const struct {
    std::string target, content, written;  // written: where the content ends up
  } cases[] = {{"link.xml", "through a link", "real.xml"},
               {"links/chain.xml", "through two", "real.xml"},
               {"dangling.xml", "created", "absent.xml"},
               {longName, "long", longName}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target.substr(0, 20));
    EXPECT_FALSE(Replace(home.Path() / c.target, c.content));
    EXPECT_EQ(c.content, ReadFile(home.Path() / c.written));
  }
  for (const char* link : {"link.xml", "links/chain.xml", "dangling.xml", "real.xml.new"})
    EXPECT_TRUE(fs::is_symlink(home.Path() / link)) << link;
  struct stat status {};
  ASSERT_EQ(0, ::stat(real.c_str(), &status));
  EXPECT_EQ(0640u, status.st_mode & 07777);
  EXPECT_EQ(kNobody, status.st_uid);
  EXPECT_EQ(kNobody, status.st_gid);

  EXPECT_EQ(
      0, WithFileSizeLimit(2000, [&] {
        return Replace(real, std::string(4000, 'x')) == boost::system::errc::file_too_large ? 0 : 1;
      }));
  EXPECT_EQ("through two", ReadFile(real));
  EXPECT_EQ((std::vector<std::string>{"absent.xml", "dangling.xml", "link.xml", "links", longName,
                                      "real.xml", "real.xml.new"}),
            Names(home.Path()));
}

// Two processes replacing one file take turns, and the file is always one
// whole version. Given the version each read, the second one to save fails
// instead of silently dropping the first one's change.
TEST(SafeFileWriter, TwoProcessesTakeTurnsAndNeitherLosesAChangeSilently) {
  testing::TemporaryFolder home;
  const wpath file = home.Write("shared.xml", "v0");
  const std::string contents[] = {std::string(300000, 'A'), std::string(200000, 'B')};
  int times[2];  // each writer's [locked, last written], through a pipe
  ASSERT_EQ(0, ::pipe(times));
  pid_t writers[2];
  for (int i = 0; i < 2; ++i)
    writers[i] = StartChild([&, i] {
      SafeFileWriter writer(file);
      const long long locked = Now();
      for (int chunk = 0; chunk < 10; ++chunk) {
        writer.Stream() << contents[i].substr(0, contents[i].size() / 10);
        ::usleep(2000);
      }
      const long long span[] = {locked, Now()};  // still locked: Commit lets go of the lock
      writer.Commit();
      return ::write(times[1], span, sizeof span) == sizeof span ? 0 : 1;
    });
  long long spans[2][2];
  for (int i = 0; i < 2; ++i) EXPECT_EQ(0, ExitStatus(writers[i]));
  ASSERT_EQ(static_cast<ssize_t>(sizeof spans), ::read(times[0], spans, sizeof spans));
  EXPECT_TRUE(spans[0][1] <= spans[1][0] || spans[1][1] <= spans[0][0]) << "the writes overlapped";
  const std::string last = ReadFile(file);
  EXPECT_TRUE(last == contents[0] || last == contents[1]);

  // Both read the same version before either saves: each says it has read,
  // and neither saves before both have.
  int ready[2], go[2];
  ASSERT_EQ(0, ::pipe(ready));
  ASSERT_EQ(0, ::pipe(go));
  for (int i = 0; i < 2; ++i)
    writers[i] = StartChild([&, i] {
      const FileStamp read = InputFile(file).Stamp();
      char byte = 'r';
      if (::write(ready[1], &byte, 1) != 1 || ::read(go[0], &byte, 1) != 1) return 5;
      try {
        SafeFileWriter writer(file, read);
        writer.Stream() << contents[i];
        writer.Commit();
      } catch (const fs::filesystem_error& error) {
        return error.code() == FileError::ChangedSinceRead ? 3 : 4;
      }
      return 0;
    });
  char both[2];
  for (char& byte : both) ASSERT_EQ(1, ::read(ready[0], &byte, 1));
  ASSERT_EQ(2, ::write(go[1], "gg", 2));
  const int first = ExitStatus(writers[0]), second = ExitStatus(writers[1]);
  for (int fd : {times[0], times[1], ready[0], ready[1], go[0], go[1]}) ::close(fd);
  EXPECT_EQ(3, first + second) << first << ", " << second;  // one saved, one refused
  EXPECT_EQ(contents[first == 0 ? 0 : 1], ReadFile(file));
  EXPECT_EQ((std::vector<std::string>{"shared.xml"}), Names(home.Path()));
}

// Killed at random points of a save, a process never leaves the file damaged:
// it is the old version or the new one, whole.
TEST(SafeFileWriter, KillsDuringSavesNeverDamageTheFile) {
  testing::TemporaryFolder home;
  const std::string versions[] = {std::string(150000, 'a'), std::string(250000, 'b')};
  const wpath file = home.Write("project.xml", versions[0]);
  unsigned int random_state = 17;  // the same delays on every run
  for (int round = 0; round < 30; ++round) {
    const pid_t saver = StartChild([&] {
      for (int i = 1;; ++i) Replace(file, versions[i % 2]);
      return 0;
    });
    ::usleep(1000 + ::rand_r(&random_state) % 20000);
    ::kill(saver, SIGKILL);
    EXPECT_EQ(127, ExitStatus(saver));
    const std::string content = ReadFile(file);
    ASSERT_TRUE(content == versions[0] || content == versions[1])
        << "round " << round << ": " << content.size() << " bytes";
    for (const std::string& name : Names(home.Path()))  // what the killed writer left
      if (name != "project.xml") fs::remove(home.Path() / name);
  }
}

// A run killed after two autosaves leaves its copy; while it lives its copy
// is never offered, and once it is dead the next run lists it and recovers
// exactly what the last autosave wrote, bound to the original file.
TEST_F(ApplicationTest, AKilledRunsCopyIsRecoveredByTheNextRun) {
  const wpath file = home_.Write("Bridge.sec", "saved");
  int ready[2];
  ASSERT_EQ(0, ::pipe(ready));
  const pid_t child = StartChild([&] {
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
  EXPECT_EQ(127, ExitStatus(child));
  const std::vector<RecoveryRecord> lost = recovery.Recoverable();
  ASSERT_EQ(1u, lost.size());
  EXPECT_EQ(file, lost[0].original);
  EXPECT_EQ(L"Test\u00e5pp", lost[0].program);
  EXPECT_EQ(static_cast<unsigned long>(child), lost[0].process.id);

  journal.clear();
  const auto document = boost::dynamic_pointer_cast<TextDocument>(recovery.Recover(lost[0]));
  ASSERT_TRUE(document);
  EXPECT_EQ("second draft", document->text);
  EXPECT_EQ(file, document->Path());
  EXPECT_TRUE(document->HasChanged());
  EXPECT_EQ("saved", ReadFile(file));
  EXPECT_NE(journal.end(), std::find(journal.begin(), journal.end(), "[opened]"));
  EXPECT_EQ(0u, journal.back().find("The project at '" + file.string() + "' has been recovered"))
      << journal.back();
  // The dead run's copy is gone, this run's is in place; saving ends it.
  EXPECT_TRUE(recovery.Recoverable().empty());
  EXPECT_EQ(2u, Names(recovery.Folder()).size());
  app.SaveDocument();
  EXPECT_EQ("second draft", ReadFile(file));
  EXPECT_TRUE(Names(recovery.Folder()).empty());
}

}  // namespace
}  // namespace Orvanta
