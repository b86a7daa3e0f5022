// Writes that fail: a file-size limit (as on a full disk) set in a child
// process, and paths that are folders. Whatever fails must be reported as the
// library promises, and no file that was good before may be cut short.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>
#include <functional>

#include "TestApplication.hpp"

namespace Orvanta {
namespace {

namespace fs = boost::filesystem;
using testing::ApplicationTest;
using testing::ReadFile;
using testing::TestApplication;
using testing::TextDocument;

// Runs `body` in a child process whose files may not grow past `bytes`, and
// returns its exit status (the body's result, 0 to 125; 126 when it threw).
int WithFileSizeLimit(rlim_t bytes, const std::function<int()>& body) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
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
