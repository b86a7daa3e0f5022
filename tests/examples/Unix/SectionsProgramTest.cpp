// End-to-end tests of the orvanta-sections program: each runs the built
// program in a home of its own and checks what it prints and the files it
// leaves.
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
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
  for (const fs::path& file : {folder / "sections.xml", folder / "sections.bak", report, log})
    EXPECT_TRUE(Has(demo.out, file.string()) && fs::exists(file)) << file;

  // The demo removes "Rectangle 2" and keeps the others; "Circle 2" comes
  // from its close question.
  const std::string html = ReadFile(report);
  for (const char* name :
       {"Rectangle 1", "Rectangle 1 - Copy", "Circle 1", "Square 1", "Strip 1", "Circle 2"})
    EXPECT_TRUE(Has(html, std::string(">") + name + "<")) << name;
  EXPECT_FALSE(Has(html, ">Rectangle 2<"));
  const std::regex picture("<svg");
  EXPECT_EQ(std::distance(std::sregex_iterator(html.begin(), html.end(), picture), {}), 6);
  // 300 x 500 mm: A = B D = 1500 cm², I = B D³ / 12 = 312500 cm⁴; 200 mm
  // circle: I = π d⁴ / 64 = 7853.98 cm⁴; 12 in square: I = a⁴ / 12 = 71924.8 cm⁴.
  for (const char* value : {"1500", "312500", "7853.98", "71924.8"})
    EXPECT_TRUE(Has(html, std::string("<td class=\"number\">") + value + "</td>")) << value;
}

TEST_F(SectionsProgram, CommandLogWarnsAboutSlenderSectionsAndFollowsTheThreshold) {
  MakeProject();
  std::string out;
  for (const char* threshold : {"2", "1", "0"}) {
    SCOPED_TRACE(threshold);
    Succeed({"options", "--set", std::string("message_threshold=") + threshold});
    out = Succeed({"list"}).out;
    EXPECT_EQ(Has(out, "Information: area 1500 cm\u00b2"), *threshold == '0');
    EXPECT_EQ(Has(out, "Warning: Rectangle 2: slender rectangle"), *threshold != '2');
  }
  EXPECT_FALSE(Has(out, "Warning: Rectangle 1:"));
  EXPECT_TRUE(Has(out, "3 section(s), 1 warning(s)"));
}

TEST_F(SectionsProgram, RemovingAsksFirstSavingFollowsTheAnswerAndIsRemembered) {
  MakeProject();
  const std::string before = ReadFile(Project());
  EXPECT_TRUE(Has(Succeed({"remove", "Circle 1", "--no"}).out, "'Circle 1' (Circle)? No"));
  // --no also answers the close question: the change is dropped.
  Succeed({"add", "square", "--width", "100", "--no"});
  EXPECT_EQ(ReadFile(Project()), before);

  Succeed({"remove", "Circle 1", "--yes"});
  EXPECT_TRUE(Has(Succeed({"list"}).out, "2 section(s)"));
  // The project opened or saved is listed as a recent one until it is gone.
  EXPECT_EQ(Succeed({"recent"}).out, Project().string() + "\n");
  fs::remove(Project());
  EXPECT_EQ(Succeed({"recent", "tidy"}).out, "Forgot 1 missing project(s)\n");
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
      {{"add", "circle", "--diameter", "300 kg"}, 1, "--diameter: '300 kg' is not a length"},
      {{"add", "circle", "--width", "3"}, 2, "a circle needs --diameter"},
      {{"remove", "Hexagon 1", "--yes"}, 1, "there is no section named 'Hexagon 1'"},
      {{"list", "--bogus"}, 2, "unknown option '--bogus'"},
      {{"options", "--set", "message_threshold=9"}, 2, "message_threshold takes a number"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.error);
    const Outcome outcome = Run(test.arguments);
    EXPECT_EQ(outcome.code, test.code);
    EXPECT_EQ(outcome.err.rfind("orvanta-sections: error: ", 0), 0u) << outcome.err;
    EXPECT_TRUE(Has(outcome.err, test.error)) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    EXPECT_EQ(ReadFile(Project()), before);
  }
  // Replacing a project is a question; unanswered or refused, it stays.
  EXPECT_TRUE(Has(Run({"new"}).err, "error: the project file 'sections.xml' already exists"));
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
  std::string negative = good;
  negative.replace(negative.find("<value_>0.20000000000000001"), 9, "<value_>-");
  const struct {
    std::string content;
    const char* error;
  } cases[] = {
      {"not a project at all", "is not a valid Sections project"},
      {negative, "needs dimensions greater than zero"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.error);
    home_.Write("work/broken.xml", test.content);
    const Outcome outcome = Run({"report", "--project", "broken.xml"});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(Has(outcome.err, test.error)) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    EXPECT_EQ(Run({"add", "circle", "--diameter", "9", "--project", "broken.xml"}).code, 1);
    EXPECT_EQ(ReadFile(Work() / "broken.xml"), test.content);
    EXPECT_FALSE(fs::exists(Work() / "broken.bak"));
  }
  EXPECT_TRUE(Has(Run({"list", "--project", "absent.xml"}).err, "'absent.xml' does not exist"));
  EXPECT_FALSE(fs::exists(Work() / "absent.xml"));
}

// An engine that fails is reported with its exit code.
TEST_F(SectionsProgram, ReportEngineFailureIsReported) {
  MakeProject();
  // A copy of the program with an engine of its own beside it.
  const fs::path program = Home() / "bin" / "orvanta-sections";
  fs::create_directories(Home() / "bin" / "Engines");
  fs::create_directories(Home() / "bin" / "Reports");
  home_.Write("bin/Reports/report.xsl", "<xsl/>");
  fs::copy_file(SECTIONS_PROGRAM, program);
  ::chmod(home_.Write("bin/Engines/xsltproc", "#!/bin/sh\nexit 3\n").c_str(), 0755);
  const Outcome failed = Run({"report"}, program.string());
  EXPECT_EQ(1, failed.code);
  EXPECT_TRUE(Has(failed.err, "the report engine failed (exit code 3)")) << failed.err;
}

}  // namespace
