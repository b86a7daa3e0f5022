#include "Arguments.hpp"

#include <algorithm>

namespace Sections {
namespace {

const char* const kValueOptions[] = {"--breadth", "--depth", "--diameter", "--width", "--by"};

struct CommandHelp {
  const char* name;
  const char* usage;
  const char* text;
};

const CommandHelp kCommands[] = {
    {"new", "new", "Creates an empty project (asks before replacing an existing file)."},
    {"add", "add <shape> --breadth L --depth L | --diameter L | --width L",
     "Adds a section: rectangle (breadth, depth), circle (diameter), square (width) or\n"
     "strip (width). A length is a number and a unit (\"300 mm\", 12in); a bare number is\n"
     "in the length unit of --units."},
    {"list", "list", "Lists the sections and computes their properties."},
    {"duplicate", "duplicate <name>", "Copies a section as \"<name> - Copy\"."},
    {"remove", "remove <name>", "Removes a section after asking (answer with --yes or --no)."},
    {"sort", "sort --by name|type", "Sorts the sections by name or by type."},
    {"report", "report", "Writes an HTML report of the sections' properties and drawings."},
    {"options", "options [--set name=value]...",
     "Shows the program options, or sets them: message_threshold (0 to 3), auto_backup,\n"
     "backup_ext, xslt_engine (0 to 2), write_program_log, append_to_log, show_splash_screen."},
    {"recent", "recent [tidy]",
     "Lists the projects opened or saved last, most recent first; tidy forgets those\n"
     "whose files are gone."},
    {"check-version", "check-version",
     "Looks up the latest release of the program (giving up after 10 seconds)."},
    {"demo", "demo [folder]",
     "Runs a scripted session of every subcommand in a fresh folder (default ./demo)."},
};

const CommandHelp* FindCommand(const std::string& name) {
  for (const CommandHelp& command : kCommands)
    if (name == command.name) return &command;
  return nullptr;
}

}  // namespace

Arguments ParseArguments(const std::vector<std::string>& arguments) {
  Arguments parsed;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string argument = arguments[i], value;
    bool hasValue = false;
    if (argument.rfind("--", 0) == 0 && argument.find('=') != std::string::npos &&
        argument != "--set") {
      value = argument.substr(argument.find('=') + 1);
      argument = argument.substr(0, argument.find('='));
      hasValue = true;
    }
    const auto take = [&]() -> std::string {
      if (hasValue) return value;
      if (i + 1 >= arguments.size()) throw UsageError("option " + argument + " needs a value");
      return arguments[++i];
    };
    const bool valueOption = std::find(std::begin(kValueOptions), std::end(kValueOptions),
                                       argument) != std::end(kValueOptions);
    if (argument == "--help" || argument == "-h") {
      parsed.help = true;
    } else if (argument == "--yes") {
      parsed.yes = true;
    } else if (argument == "--no") {
      parsed.no = true;
    } else if (argument == "-log") {  // the library reads these two itself as well
      parsed.log = true;
    } else if (argument == "-nosplash") {
      parsed.noSplash = true;
    } else if (argument == "--project") {
      parsed.project = take();
    } else if (argument == "--units") {
      parsed.units = take();
    } else if (argument == "--set") {
      parsed.settings.push_back(take());
    } else if (valueOption) {
      parsed.values[argument] = take();
    } else if (argument.size() > 1 && argument[0] == '-' &&
               !(argument[1] >= '0' && argument[1] <= '9')) {
      throw UsageError("unknown option '" + argument + "'");
    } else if (parsed.command.empty()) {
      parsed.command = argument;
    } else {
      parsed.positional.push_back(argument);
    }
  }
  if (parsed.yes && parsed.no) throw UsageError("--yes and --no cannot be given together");
  if (parsed.project.empty()) throw UsageError("--project needs a file name");
  if (!parsed.command.empty() && !FindCommand(parsed.command))
    throw UsageError("unknown command '" + parsed.command + "' (see --help)");
  return parsed;
}

std::string HelpText(const std::string& command) {
  if (const CommandHelp* help = FindCommand(command))
    return std::string("usage: orvanta-sections ") + help->usage + " [options]\n\n" + help->text +
           "\n\nOptions of every command:\n"
           "  --project FILE       the project file (default sections.xml)\n"
           "  --units si|imperial  the units values are typed and shown in (default si)\n"
           "  --yes, --no          the answer to every question, saving included\n"
           "  -log, -nosplash      write the program log; leave out the banner\n";
  std::string text =
      "usage: orvanta-sections <command> [options]\n\n"
      "Keeps a project of cross-sections and gives their properties.\n\nCommands:\n";
  for (const CommandHelp& entry : kCommands) text += std::string("  ") + entry.usage + "\n";
  text += "\nRun 'orvanta-sections <command> --help' for the options of a command.\n";
  return text;
}

}  // namespace Sections
