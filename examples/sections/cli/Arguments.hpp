// The command line of orvanta-sections: its options and the help texts.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

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

}  // namespace Sections
