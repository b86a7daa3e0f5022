// The command line: its options, and the subcommands run on one session.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "SectionsApplication.hpp"
#include "UnitSystem.hpp"

namespace Sections {

// Wrong use of the command line: exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Arguments {
  std::string command;
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;  // --breadth, --by, ...
  std::vector<std::string> settings;          // every --set
  std::string project = "sections.xml";
  std::string units = "si";
  bool yes = false;
  bool no = false;
  bool help = false;
  bool log = false;
  bool noSplash = false;
};

// Throws UsageError for an option it does not know or one without its value.
Arguments ParseArguments(const std::vector<std::string>& arguments);

// The help of the program (empty command) or of one subcommand.
std::string HelpText(const std::string& command);

// Runs whole command lines on one application.
class Session {
 public:
  explicit Session(const Arguments& first);
  ~Session();

  // Runs one subcommand; returns the exit code. Errors are thrown.
  int Run(const Arguments& arguments);

 private:
  int New(const Arguments& arguments);
  int Add(const Arguments& arguments);
  int List(const Arguments& arguments);
  int Duplicate(const Arguments& arguments);
  int Remove(const Arguments& arguments);
  int Sort(const Arguments& arguments);
  int Report(const Arguments& arguments);
  int Options(const Arguments& arguments);
  int Recent(const Arguments& arguments);
  int CheckVersion(const Arguments& arguments);
  int Demo(const Arguments& arguments);

  // Opens the project file unless it is already the current document.
  boost::shared_ptr<Project> OpenProject(const Arguments& arguments);
  // Saves a changed project; with --yes or --no the close question decides.
  void Finish(const Arguments& arguments);
  // The section named by the one positional argument.
  boost::shared_ptr<SectionItem> NamedSection(const Arguments& arguments);

  std::unique_ptr<MessageBoard> board_;
  boost::shared_ptr<SectionsApplication> app_;
};

}  // namespace Sections
