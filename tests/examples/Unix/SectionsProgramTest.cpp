// End-to-end tests of the orvanta-sections program: each runs the built
// program in a home of its own and checks what it prints and the files it
// leaves.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "EnvironmentGuard.hpp"
#include "TemporaryFolder.hpp"

namespace {

using Orvanta::testing::ReadFile;
namespace fs = boost::filesystem;

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The number as the program shows it: six significant figures.
std::string Shown(double value) {
  std::ostringstream text;
  text << std::setprecision(6) << value;
  return text.str();
}

int Count(const std::string& text, const std::string& piece) {
  int count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
    ++count;
  return count;
}

class SectionsProgram : public ::testing::Test {
 protected:
  SectionsProgram() {
    environment_.Set("HOME", home_.Path().string());
    environment_.Set("XDG_DATA_HOME", (home_.Path() / "data").string());
    environment_.Set("XDG_DOCUMENTS_DIR", (home_.Path() / "docs").string());
    fs::create_directories(Work());
  }

  fs::path Work() const { return home_.Path() / "work"; }
  fs::path Project() const { return Work() / "sections.xml"; }
  fs::path AppData() const { return home_.Path() / "data" / "Orvanta" / "Sections" / "1.0.0"; }

  // The command line that runs `program` in the work folder with `arguments`
  // and -nosplash, its output in <name>.out, .err and .code in the home.
  std::string CommandLine(const std::vector<std::string>& arguments, const std::string& name = "",
                          const std::string& program = SECTIONS_PROGRAM) const {
    std::string command = "cd " + Quoted(Work().string()) + " && " + Quoted(program);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    const fs::path out = home_.Path() / (name + "out"), err = home_.Path() / (name + "err"),
                   code = home_.Path() / (name + "code");
    return command + " -nosplash </dev/null >" + Quoted(out.string()) + " 2>" +
           Quoted(err.string()) + "; echo $? >" + Quoted(code.string());
  }
  Outcome Result(const std::string& name = "") const {
    Outcome outcome;
    outcome.code = std::stoi(ReadFile(home_.Path() / (name + "code")));
    outcome.out = ReadFile(home_.Path() / (name + "out"));
    outcome.err = ReadFile(home_.Path() / (name + "err"));
    return outcome;
  }

  // Runs the program in the work folder with `arguments` and -nosplash, after
  // the shell commands `before` (limits, say).
  Outcome Run(const std::vector<std::string>& arguments, const std::string& before = "",
              const std::string& program = SECTIONS_PROGRAM) const {
    const std::string command = "(" + before + CommandLine(arguments, "", program) + ")";
    if (std::system(command.c_str()) != 0) return Outcome();
    return Result();
  }

  // Runs a command that must succeed.
  Outcome Succeed(const std::vector<std::string>& arguments) const {
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

  const fs::path project = folder / "sections.xml", backup = folder / "sections.bak",
                 report = AppData() / "Report.html", log = AppData() / "Sections.log";
  for (const fs::path& file : {project, backup, report, log}) {
    EXPECT_TRUE(fs::exists(file)) << file;
    EXPECT_NE(demo.out.find(file.string()), std::string::npos) << file;
  }
  EXPECT_NE(ReadFile(log).find("Application started"), std::string::npos);

  // The demo removes "Rectangle 2" and keeps the others; "Circle 2" comes
  // from its close question.
  const std::string html = ReadFile(report);
  for (const char* name :
       {"Rectangle 1", "Rectangle 1 - Copy", "Circle 1", "Square 1", "Strip 1", "Circle 2"})
    EXPECT_NE(html.find(std::string(">") + name + "<"), std::string::npos) << name;
  EXPECT_EQ(html.find(">Rectangle 2<"), std::string::npos);
  EXPECT_EQ(Count(html, "<svg"), 6);
  EXPECT_NE(html.find("(cm\u2074)"), std::string::npos);

  // 300 x 500 mm: A = B D, I = B D³ / 12; 200 mm circle: I = π d⁴ / 64.
  const double pi = std::acos(-1.0);
  for (const double value : {0.3 * 0.5 / 1e-4, 0.3 * std::pow(0.5, 3) / 12 / 1e-8,
                             pi * std::pow(0.2, 4) / 64 / 1e-8, std::pow(0.3048, 4) / 12 / 1e-8})
    EXPECT_NE(html.find("<td class=\"number\">" + Shown(value) + "</td>"), std::string::npos)
        << Shown(value);
}

TEST_F(SectionsProgram, DemoRefusesAFolderThatIsNotEmpty) {
  fs::create_directories(Work() / "used");
  std::ofstream((Work() / "used" / "keep.txt").string()) << "mine";
  const Outcome outcome = Run({"demo", (Work() / "used").string()});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(ReadFile(Work() / "used" / "keep.txt"), "mine");
  EXPECT_FALSE(fs::exists(Work() / "used" / "sections.xml"));
}

TEST_F(SectionsProgram, CommandLogWarnsAboutSlenderSectionsAndFollowsTheThreshold) {
  MakeProject();
  Succeed({"options", "--set", "message_threshold=0"});
  const Outcome all = Succeed({"list"});
  EXPECT_NE(all.out.find("Information: area 1500 cm\u00b2"), std::string::npos);
  EXPECT_NE(all.out.find("Warning: Rectangle 2: slender rectangle"), std::string::npos);
  EXPECT_EQ(all.out.find("Warning: Rectangle 1:"), std::string::npos);
  EXPECT_NE(all.out.find("3 section(s), 1 warning(s)"), std::string::npos);

  Succeed({"options", "--set", "message_threshold=1"});
  const Outcome warnings = Succeed({"list"});
  EXPECT_EQ(warnings.out.find("Information:"), std::string::npos);
  EXPECT_NE(warnings.out.find("Warning: Rectangle 2: slender rectangle"), std::string::npos);

  Succeed({"options", "--set", "message_threshold=2"});
  EXPECT_EQ(Succeed({"list"}).out.find("Warning:"), std::string::npos);
}

TEST_F(SectionsProgram, RemovingAsksFirstAndSavingFollowsTheAnswer) {
  MakeProject();
  const std::string before = ReadFile(Project());
  const Outcome refused = Succeed({"remove", "Circle 1", "--no"});
  EXPECT_NE(refused.out.find("'Circle 1' (Circle)? No"), std::string::npos);
  EXPECT_EQ(ReadFile(Project()), before);

  // --no also answers the close question: the change is dropped.
  Succeed({"add", "square", "--width", "100", "--no"});
  EXPECT_EQ(ReadFile(Project()), before);

  Succeed({"remove", "Circle 1", "--yes"});
  const Outcome list = Succeed({"list"});
  EXPECT_EQ(list.out.find("Circle 1"), std::string::npos);
  EXPECT_NE(list.out.find("2 section(s)"), std::string::npos);
}

TEST_F(SectionsProgram, BadInputGivesOneErrorLineAndLeavesTheProjectAlone) {
  MakeProject();
  const std::string before = ReadFile(Project());
  const struct {
    std::vector<std::string> arguments;
    int code;
    const char* error;
  } cases[] = {
      {{"add", "hexagon", "--width", "3"}, 2, "unknown shape 'hexagon'"},
      {{"add", "rectangle", "--breadth", "-5", "--depth", "3"},
       1,
       "--breadth: '-5' must be a length greater than zero"},
      {{"add", "circle", "--diameter", "0"}, 1, "--diameter: '0' must be a length greater"},
      {{"add", "square", "--width", "wide"}, 1, "--width: 'wide' is not a length"},
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
    const Outcome outcome = Run(test.arguments);
    const std::string expected = std::string("orvanta-sections: error: ");
    EXPECT_EQ(outcome.code, test.code) << test.error;
    EXPECT_EQ(outcome.err.rfind(expected, 0), 0u) << outcome.err;
    EXPECT_NE(outcome.err.find(test.error), std::string::npos) << outcome.err;
    EXPECT_EQ(Count(outcome.err, "\n"), 1) << outcome.err;
    EXPECT_EQ(ReadFile(Project()), before) << test.error;
  }

  // Replacing a project is a question; unanswered, the project stays.
  const Outcome again = Run({"new"});
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("Replace it?"), std::string::npos);
  EXPECT_NE(again.err.find("orvanta-sections: error: the project file 'sections.xml' already "
                           "exists"),
            std::string::npos);
  EXPECT_EQ(ReadFile(Project()), before);
  EXPECT_EQ(Run({"new", "--no"}).code, 1);
  EXPECT_EQ(ReadFile(Project()), before);
  Succeed({"new", "--yes"});
  EXPECT_NE(Succeed({"list"}).out.find("The project has no sections."), std::string::npos);
}

TEST_F(SectionsProgram, MissingOrCorruptProjectIsReportedAndNeverRewritten) {
  MakeProject();
  const std::string good = ReadFile(Project());
  std::string negative = good;
  negative.replace(negative.find("<value_>0.20000000000000001"), 9, "<value_>-");
  std::string unknown = good;
  unknown.replace(unknown.find("<type>Circle"), 12, "<type>Hexagon");

  const struct {
    std::string content;
    const char* error;
  } cases[] = {
      {"not a project at all", "is not a valid Sections project"},
      {good.substr(0, good.size() / 2), "is not a valid Sections project"},
      {negative, "needs dimensions greater than zero"},
      {unknown, "unknown section type 'Hexagon'"},
  };
  for (const auto& test : cases) {
    home_.Write("work/broken.xml", test.content);
    for (const char* command : {"list", "report"}) {
      const Outcome outcome = Run({command, "--project", "broken.xml"});
      EXPECT_EQ(outcome.code, 1) << test.error;
      EXPECT_NE(outcome.err.find(test.error), std::string::npos) << outcome.err;
      EXPECT_EQ(Count(outcome.err, "\n"), 1) << outcome.err;
    }
    const Outcome add = Run({"add", "circle", "--diameter", "9", "--project", "broken.xml"});
    EXPECT_EQ(add.code, 1);
    EXPECT_EQ(ReadFile(Work() / "broken.xml"), test.content);
    EXPECT_FALSE(fs::exists(Work() / "broken.bak"));
  }

  const Outcome missing = Run({"list", "--project", "absent.xml"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("'absent.xml' does not exist"), std::string::npos);
  EXPECT_FALSE(fs::exists(Work() / "absent.xml"));
}

// Files that are not what they should be are refused at once: an options
// file that is a FIFO (which would block every start), and a project whose
// section names hold control characters (which no report could show).
TEST_F(SectionsProgram, HostileFilesAreRefusedAtOnce) {
  MakeProject();
  fs::create_directories(AppData());
  fs::remove(AppData() / "Sections.xml");
  ASSERT_EQ(0, ::mkfifo((AppData() / "Sections.xml").c_str(), 0644));
  EXPECT_NE(Succeed({"list"}).out.find("3 section(s)"), std::string::npos);

  std::string named = ReadFile(Project());
  named.replace(named.find("<name>Circle 1"), 14, "<name>Circle&#1;1");
  home_.Write("work/control.xml", named);
  for (const char* command : {"list", "report"}) {
    const Outcome outcome = Run({command, "--project", "control.xml"});
    EXPECT_EQ(1, outcome.code);
    EXPECT_NE(outcome.err.find("a section name holds a control character"), std::string::npos)
        << outcome.err;
  }
}

// The report waits for its engine, however long it takes, and an engine that
// fails is reported at once with its exit code.
TEST_F(SectionsProgram, ReportWaitsForTheEngineAndReportsItsFailure) {
  MakeProject();
  // A copy of the program with an engine of its own beside it.
  const fs::path bin = home_.Path() / "bin", program = bin / "orvanta-sections";
  fs::create_directories(bin / "Engines");
  fs::create_directories(bin / "Reports");
  fs::copy_file(SECTIONS_PROGRAM, program);
  home_.Write("bin/Reports/report.xsl", "<xsl/>");
  const auto engine = [&](const std::string& body) {
    home_.Write("bin/Engines/xsltproc", "#!/bin/sh\n" + body);
    ::chmod((bin / "Engines" / "xsltproc").c_str(), 0755);
  };
  engine("sleep 1; echo '<html/>' > \"$3\"\n");  // -novalid -o <page> <xsl> <xml>
  const Outcome slow = Run({"report"}, "", program.string());
  EXPECT_EQ(0, slow.code) << slow.err;
  EXPECT_EQ("<html/>\n", ReadFile(AppData() / "Report.html"));

  engine("exit 3\n");
  const auto start = std::chrono::steady_clock::now();
  const Outcome failed = Run({"report"}, "", program.string());
  EXPECT_EQ(1, failed.code);
  EXPECT_NE(failed.err.find("the report engine failed (exit code 3)"), std::string::npos)
      << failed.err;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(SectionsProgram, CheckVersionShowsTheDownloadErrorCleanly) {
  Succeed({"options", "--set", "message_threshold=0"});
  const Outcome outcome = Succeed({"check-version"});
  EXPECT_NE(outcome.out.find("This is version 1.0.0"), std::string::npos);
  EXPECT_NE(outcome.out.find("] Error: "), std::string::npos);
  EXPECT_NE(outcome.out.find("The latest release of this program is version 0.0.0"),
            std::string::npos);
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
  EXPECT_NE(Succeed({"--help"}).out.find("usage: orvanta-sections <command>"), std::string::npos);
  for (const char* command : {"new", "add", "list", "duplicate", "remove", "sort", "report",
                              "options", "recent", "check-version", "demo"}) {
    const Outcome help = Succeed({command, "--help"});
    EXPECT_EQ(help.out.rfind(std::string("usage: orvanta-sections ") + command, 0), 0u) << command;
  }
  EXPECT_FALSE(fs::exists(Project()));
}

}  // namespace
