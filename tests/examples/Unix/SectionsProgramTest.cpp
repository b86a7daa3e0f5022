// End-to-end tests of the orvanta-sections program: each runs the built
// program in a home of its own and checks what it prints and the files it
// leaves.
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "EnvironmentGuard.hpp"
#include "TemporaryFolder.hpp"

namespace {

using Orvanta::testing::ReadFile;
namespace fs = boost::filesystem;

typedef std::vector<std::string> Arguments;

struct Outcome {
  int code;
  std::string out, err;
};

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

int Count(const std::string& text, const std::string& piece) {
  int count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
    ++count;
  return count;
}

bool Has(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

class SectionsProgram : public ::testing::Test {
 protected:
  SectionsProgram() {
    environment_.Set("HOME", Home().string());
    environment_.Set("XDG_DATA_HOME", (Home() / "data").string());
    environment_.Set("XDG_DOCUMENTS_DIR", (Home() / "docs").string());
    fs::create_directories(Work());
  }

  const fs::path& Home() const { return home_.Path(); }
  fs::path Work() const { return Home() / "work"; }
  fs::path Project() const { return Work() / "sections.xml"; }
  fs::path AppData() const { return Home() / "data" / "Orvanta" / "Sections" / "1.0.0"; }

  // Runs `program` in the work folder with `arguments` and -nosplash.
  Outcome Run(const Arguments& arguments, const std::string& program = SECTIONS_PROGRAM) const {
    std::string command = "cd " + Quoted(Work().string()) + " && " + Quoted(program);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    const fs::path out = Home() / "out", err = Home() / "err";
    command += " -nosplash </dev/null >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
  }

  // Runs a command that must succeed.
  Outcome Succeed(const Arguments& arguments) const {
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.code, 0) << outcome.err;
    return outcome;
  }

  // A project with a rectangle, a slender rectangle and a circle.
  void MakeProject() const {
    Succeed({"new"});
    Succeed({"add", "rectangle", "--breadth", "300 mm", "--depth", "500 mm"});
    Succeed({"add", "rectangle", "--breadth", "50", "--depth", "400"});
    Succeed({"add", "circle", "--diameter", "0.2 m"});
  }

  Orvanta::testing::TemporaryFolder home_;
  Orvanta::testing::EnvironmentGuard environment_;
};

TEST_F(SectionsProgram, DemoLeavesItsFilesAndAReportOfEverySection) {
  const fs::path folder = Work() / "demo";
  const Outcome demo = Succeed({"demo", folder.string()});
  const fs::path report = AppData() / "Report.html", log = AppData() / "Sections.log";
  for (const fs::path& file : {folder / "sections.xml", folder / "sections.bak", report, log}) {
    EXPECT_TRUE(fs::exists(file)) << file;
    EXPECT_TRUE(Has(demo.out, file.string())) << file;
  }
  EXPECT_TRUE(Has(ReadFile(log), "Application started"));

  // The demo removes "Rectangle 2" and keeps the others; "Circle 2" comes
  // from its close question.
  const std::string html = ReadFile(report);
  for (const char* name :
       {"Rectangle 1", "Rectangle 1 - Copy", "Circle 1", "Square 1", "Strip 1", "Circle 2"})
    EXPECT_TRUE(Has(html, std::string(">") + name + "<")) << name;
  EXPECT_FALSE(Has(html, ">Rectangle 2<"));
  EXPECT_EQ(Count(html, "<svg"), 6);
  EXPECT_TRUE(Has(html, "(cm\u2074)"));
  // 300 x 500 mm: A = B D = 1500 cm², I = B D³ / 12 = 312500 cm⁴; 200 mm
  // circle: I = π d⁴ / 64 = 7853.98 cm⁴; 12 in square: I = a⁴ / 12 = 71924.8 cm⁴.
  for (const char* value : {"1500", "312500", "7853.98", "71924.8"})
    EXPECT_TRUE(Has(html, std::string("<td class=\"number\">") + value + "</td>")) << value;

  // A folder that is not empty is refused and left alone.
  fs::create_directories(Work() / "used");
  home_.Write("work/used/keep.txt", "mine");
  EXPECT_EQ(Run({"demo", (Work() / "used").string()}).code, 1);
  EXPECT_EQ(ReadFile(Work() / "used" / "keep.txt"), "mine");
  EXPECT_FALSE(fs::exists(Work() / "used" / "sections.xml"));
}

TEST_F(SectionsProgram, CommandLogWarnsAboutSlenderSectionsAndFollowsTheThreshold) {
  MakeProject();
  Succeed({"options", "--set", "message_threshold=0"});
  const Outcome all = Succeed({"list"});
  EXPECT_TRUE(Has(all.out, "Information: area 1500 cm\u00b2"));
  EXPECT_TRUE(Has(all.out, "Warning: Rectangle 2: slender rectangle"));
  EXPECT_FALSE(Has(all.out, "Warning: Rectangle 1:"));
  EXPECT_TRUE(Has(all.out, "3 section(s), 1 warning(s)"));

  Succeed({"options", "--set", "message_threshold=1"});
  const Outcome warnings = Succeed({"list"});
  EXPECT_FALSE(Has(warnings.out, "Information:"));
  EXPECT_TRUE(Has(warnings.out, "Warning: Rectangle 2: slender rectangle"));
  Succeed({"options", "--set", "message_threshold=2"});
  EXPECT_FALSE(Has(Succeed({"list"}).out, "Warning:"));
}

TEST_F(SectionsProgram, RemovingAsksFirstAndSavingFollowsTheAnswer) {
  MakeProject();
  const std::string before = ReadFile(Project());
  EXPECT_TRUE(Has(Succeed({"remove", "Circle 1", "--no"}).out, "'Circle 1' (Circle)? No"));
  EXPECT_EQ(ReadFile(Project()), before);
  // --no also answers the close question: the change is dropped.
  Succeed({"add", "square", "--width", "100", "--no"});
  EXPECT_EQ(ReadFile(Project()), before);

  Succeed({"remove", "Circle 1", "--yes"});
  const Outcome list = Succeed({"list"});
  EXPECT_FALSE(Has(list.out, "Circle 1"));
  EXPECT_TRUE(Has(list.out, "2 section(s)"));
}

TEST_F(SectionsProgram, BadInputGivesOneErrorLineAndLeavesTheProjectAlone) {
  MakeProject();
  const std::string before = ReadFile(Project());
  const struct {
    Arguments arguments;
    int code;
    const char* error;
  } cases[] = {
      {{"add", "hexagon", "--width", "3"}, 2, "unknown shape 'hexagon'"},
      {{"add", "rectangle", "--breadth", "-5", "--depth", "3"},
       1,
       "--breadth: '-5' must be a length greater than zero"},
      {{"add", "circle", "--diameter", "300 kg"}, 1, "--diameter: '300 kg' is not a length"},
      {{"add", "circle", "--width", "3"}, 2, "a circle needs --diameter"},
      {{"add", "strip", "--width", "3", "--depth", "4"}, 2, "a strip has no --depth"},
      {{"remove", "Hexagon 1", "--yes"}, 1, "there is no section named 'Hexagon 1'"},
      {{"sort", "--by", "size"}, 2, "sort needs --by name or --by type"},
      {{"list", "--units", "metric"}, 2, "unknown unit system 'metric'"},
      {{"list", "--bogus"}, 2, "unknown option '--bogus'"},
      {{"frobnicate"}, 2, "unknown command 'frobnicate'"},
      {{"options", "--set", "message_threshold=9"}, 2, "message_threshold takes a number"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.error);
    const Outcome outcome = Run(test.arguments);
    EXPECT_EQ(outcome.code, test.code);
    EXPECT_EQ(outcome.err.rfind("orvanta-sections: error: ", 0), 0u) << outcome.err;
    EXPECT_TRUE(Has(outcome.err, test.error)) << outcome.err;
    EXPECT_EQ(Count(outcome.err, "\n"), 1) << outcome.err;
    EXPECT_EQ(ReadFile(Project()), before);
  }
  // Replacing a project is a question; unanswered or refused, it stays.
  const Outcome again = Run({"new"});
  EXPECT_EQ(again.code, 1);
  EXPECT_TRUE(Has(again.err, "Replace it?"));
  EXPECT_TRUE(Has(again.err, "error: the project file 'sections.xml' already exists"));
  EXPECT_EQ(Run({"new", "--no"}).code, 1);
  EXPECT_EQ(ReadFile(Project()), before);
  Succeed({"new", "--yes"});
  EXPECT_TRUE(Has(Succeed({"list"}).out, "The project has no sections."));
}

// Broken projects are reported in one line and never rewritten, and so are
// section names that hold control characters (which no report could show).
TEST_F(SectionsProgram, MissingOrCorruptProjectIsReportedAndNeverRewritten) {
  MakeProject();
  const std::string good = ReadFile(Project());
  std::string negative = good, unknown = good, control = good;
  negative.replace(negative.find("<value_>0.20000000000000001"), 9, "<value_>-");
  unknown.replace(unknown.find("<type>Circle"), 12, "<type>Hexagon");
  control.replace(control.find("<name>Circle 1"), 14, "<name>Circle&#1;1");
  const struct {
    std::string content;
    const char* error;
  } cases[] = {
      {"not a project at all", "is not a valid Sections project"},
      {good.substr(0, good.size() / 2), "is not a valid Sections project"},
      {negative, "needs dimensions greater than zero"},
      {unknown, "unknown section type 'Hexagon'"},
      {control, "a section name holds a control character"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.error);
    home_.Write("work/broken.xml", test.content);
    for (const char* command : {"list", "report"}) {
      const Outcome outcome = Run({command, "--project", "broken.xml"});
      EXPECT_EQ(outcome.code, 1);
      EXPECT_TRUE(Has(outcome.err, test.error)) << outcome.err;
      EXPECT_EQ(Count(outcome.err, "\n"), 1) << outcome.err;
    }
    EXPECT_EQ(Run({"add", "circle", "--diameter", "9", "--project", "broken.xml"}).code, 1);
    EXPECT_EQ(ReadFile(Work() / "broken.xml"), test.content);
    EXPECT_FALSE(fs::exists(Work() / "broken.bak"));
  }
  const Outcome missing = Run({"list", "--project", "absent.xml"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_TRUE(Has(missing.err, "'absent.xml' does not exist"));
  EXPECT_FALSE(fs::exists(Work() / "absent.xml"));

  // An options file that is a FIFO would block every start: it is ignored.
  fs::create_directories(AppData());
  fs::remove(AppData() / "Sections.xml");
  ASSERT_EQ(0, ::mkfifo((AppData() / "Sections.xml").c_str(), 0644));
  EXPECT_TRUE(Has(Succeed({"list"}).out, "3 section(s)"));
}

// The report waits for its engine, however long it takes, and an engine that
// fails is reported at once with its exit code.
TEST_F(SectionsProgram, ReportWaitsForTheEngineAndReportsItsFailure) {
  MakeProject();
  // A copy of the program with an engine of its own beside it.
  const fs::path program = Home() / "bin" / "orvanta-sections";
  fs::create_directories(Home() / "bin" / "Engines");
  fs::create_directories(Home() / "bin" / "Reports");
  home_.Write("bin/Reports/report.xsl", "<xsl/>");
  fs::copy_file(SECTIONS_PROGRAM, program);
  const auto engine = [&](const std::string& body) {
    ::chmod(home_.Write("bin/Engines/xsltproc", "#!/bin/sh\n" + body).c_str(), 0755);
  };
  engine("sleep 1; echo '<html/>' > \"$3\"\n");  // -novalid -o <page> <xsl> <xml>
  EXPECT_EQ(0, Run({"report"}, program.string()).code);
  EXPECT_EQ("<html/>\n", ReadFile(AppData() / "Report.html"));

  engine("exit 3\n");
  const auto start = std::chrono::steady_clock::now();
  const Outcome failed = Run({"report"}, program.string());
  EXPECT_EQ(1, failed.code);
  EXPECT_TRUE(Has(failed.err, "the report engine failed (exit code 3)")) << failed.err;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(SectionsProgram, CheckVersionShowsTheDownloadErrorCleanly) {
  Succeed({"options", "--set", "message_threshold=0"});
  const Outcome outcome = Succeed({"check-version"});
  EXPECT_TRUE(Has(outcome.out, "This is version 1.0.0"));
  EXPECT_TRUE(Has(outcome.out, "] Error: "));
  EXPECT_TRUE(Has(outcome.out, "The latest release of this program is version 0.0.0"));
  EXPECT_EQ(outcome.err, "");
}

TEST_F(SectionsProgram, RecentListsTheProjectsOpenedOrSaved) {
  const fs::path other = Work() / "other.xml";
  Succeed({"new"});
  Succeed({"new", "--project", other.string()});
  Succeed({"list"});
  EXPECT_EQ(Project().string() + "\n" + other.string() + "\n", Succeed({"recent"}).out);
  fs::remove(other);
  EXPECT_EQ("Forgot 1 missing project(s)\n" + Project().string() + "\n",
            Succeed({"recent", "tidy"}).out);
}

TEST_F(SectionsProgram, HelpDescribesTheProgramAndEachCommand) {
  EXPECT_TRUE(Has(Succeed({"--help"}).out, "usage: orvanta-sections <command>"));
  for (const char* command : {"new", "add", "list", "duplicate", "remove", "sort", "report",
                              "options", "recent", "check-version", "demo"})
    EXPECT_EQ(Succeed({command, "--help"})
                  .out.rfind(std::string("usage: orvanta-sections ") + command, 0),
              0u)
        << command;
  EXPECT_FALSE(fs::exists(Project()));
}

}  // namespace
