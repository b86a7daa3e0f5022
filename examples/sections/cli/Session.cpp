#include "Commands.hpp"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>

#include <boost/filesystem/operations.hpp>
#include <boost/make_shared.hpp>

#include <orvanta/application/DocumentRecovery.hpp>
#include <orvanta/application/LatestVersionCheck.hpp>
#include <orvanta/documents/EditHistory.hpp>
#include <orvanta/messages/Broadcast.hpp>
#include <orvanta/messages/SignalManager.hpp>
#include <orvanta/platform/MessageBox.hpp>
#include <orvanta/platform/TextConversion.hpp>

#include "PropertiesCommand.hpp"
#include "Report.hpp"

namespace Sections {
namespace {

namespace fs = boost::filesystem;

std::wstring Wide(const std::string& text) { return Orvanta::string_to_wstring(text); }
std::string Narrow(const std::wstring& text) { return Orvanta::wstring_to_string(text); }
// File names go between the command line and the system as the bytes they are.
std::string Narrow(const Orvanta::wpath& path) { return Orvanta::path_to_string(path); }
Orvanta::wpath PathArgument(const std::string& name) {
  return fs::absolute(Orvanta::string_to_path(name));
}

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

bool ParseBool(const std::string& name, const std::string& value) {
  if (value == "true" || value == "1" || value == "yes") return true;
  if (value == "false" || value == "0" || value == "no") return false;
  throw UsageError("option " + name + " takes true or false, not '" + value + "'");
}

int ParseLevel(const std::string& name, const std::string& value, int highest) {
  if (value.size() == 1 && value[0] >= '0' && value[0] <= '0' + highest) return value[0] - '0';
  throw UsageError("option " + name + " takes a number from 0 to " + std::to_string(highest) +
                   ", not '" + value + "'");
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
    bool known = false;
    for (const char* option : kValueOptions)
      if (argument == option) known = true;
    if (argument == "--help" || argument == "-h") {
      parsed.help = true;
    } else if (argument == "--yes") {
      parsed.yes = true;
    } else if (argument == "--no") {
      parsed.no = true;
    } else if (argument == "-log") {
      parsed.log = true;
    } else if (argument == "-nosplash") {
      parsed.noSplash = true;
    } else if (argument == "--project") {
      parsed.project = take();
    } else if (argument == "--units") {
      parsed.units = take();
    } else if (argument == "--set") {
      parsed.settings.push_back(take());
    } else if (known) {
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
  for (const CommandHelp& entry : kCommands) {
    std::string usage = entry.usage;
    usage.resize(std::max<std::size_t>(usage.size() + 2, 64), ' ');
    text += "  " + usage + "\n";
  }
  text += "\nRun 'orvanta-sections <command> --help' for the options of a command.\n";
  return text;
}

Session::Session(const Arguments& first) : board_(new MessageBoard) {
  RegisterSectionPrototypes();
  app_ = boost::make_shared<SectionsApplication>(first.log || first.command == "demo");
  if (app_->ShowSplashScreen() && !first.noSplash)
    std::wcout << app_->ProgramName() << L' ' << app_->FullReleaseVersion() << L" \u2014 "
               << app_->HostText() << std::endl;
  Orvanta::Signals::SignalManager::Instance()->AppStarted(app_);
}

Session::~Session() {
  // Nothing is saved here: every command saved what it changed.
  if (app_) app_->CloseProgramLog();
}

int Session::Run(const Arguments& arguments) {
  Orvanta::MessageBoxHandler answer;
  if (arguments.yes || arguments.no) {
    const int reply = arguments.yes ? Orvanta::AnswerYes : Orvanta::AnswerNo;
    answer = [reply](const std::wstring& text, const std::wstring&, unsigned int) {
      std::wcout << text << L' ' << (reply == Orvanta::AnswerYes ? L"Yes" : L"No") << std::endl;
      return reply;
    };
  }
  const Orvanta::MessageBoxHandler previous = Orvanta::SetMessageBoxHandler(answer);
  struct Restore {
    Orvanta::MessageBoxHandler handler;
    ~Restore() { Orvanta::SetMessageBoxHandler(handler); }
  } restore{previous};

  const std::string& command = arguments.command;
  if (command == "new") return New(arguments);
  if (command == "add") return Add(arguments);
  if (command == "list") return List(arguments);
  if (command == "duplicate") return Duplicate(arguments);
  if (command == "remove") return Remove(arguments);
  if (command == "sort") return Sort(arguments);
  if (command == "report") return Report(arguments);
  if (command == "options") return Options(arguments);
  if (command == "recent") return Recent(arguments);
  if (command == "check-version") return CheckVersion(arguments);
  if (command == "demo") return Demo(arguments);
  throw UsageError("no command given (see --help)");
}

boost::shared_ptr<Project> Session::OpenProject(const Arguments& arguments) {
  const Orvanta::wpath path = PathArgument(arguments.project);
  if (auto current = app_->CurrentProject())
    if (current->Path() == path) return current;
  if (!fs::exists(path))
    throw std::runtime_error("the project file '" + arguments.project +
                             "' does not exist (create it with 'new')");
  if (!fs::is_regular_file(path))
    throw std::runtime_error("'" + arguments.project + "' is not a project file");
  app_->OpenDocument(path);
  if (!app_->LastOpenError().empty()) {
    // The library left an empty project in its place: it must never be saved.
    if (auto empty = app_->CurrentProject()) empty->HasChanged(false);
    throw std::runtime_error(app_->LastOpenError());
  }
  auto project = app_->CurrentProject();
  if (!project) throw std::runtime_error("cannot open the project file '" + arguments.project + "'");
  return project;
}

void Session::Finish(const Arguments& arguments) {
  auto project = app_->CurrentProject();
  if (!project || !project->HasChanged()) return;
  if (arguments.yes || arguments.no) {
    // The close question, answered by the flag.
    if (app_->CloseDocument() && arguments.no)
      Orvanta::BroadcastInformationMessage(L"The changes were not saved");
    return;
  }
  app_->SaveDocument();
}

boost::shared_ptr<SectionItem> Session::NamedSection(const Arguments& arguments) {
  if (arguments.positional.size() != 1)
    throw UsageError(arguments.command + " takes the name of one section");
  auto project = OpenProject(arguments);
  auto section = project->FindSection(Wide(arguments.positional[0]));
  if (!section)
    throw std::runtime_error("there is no section named '" + arguments.positional[0] + "'");
  return section;
}

int Session::New(const Arguments& arguments) {
  const Orvanta::wpath path = PathArgument(arguments.project);
  if (fs::exists(path)) {
    if (app_->YesNoBox(L"The project '" + Orvanta::path_to_wstring(path) + L"' exists. Replace it?",
                       Orvanta::MessageBoxIconQuestion) != Orvanta::AnswerYes)
      throw std::runtime_error("the project file '" + arguments.project +
                               "' already exists (answer --yes to replace it)");
  }
  app_->NewDocument();
  app_->SaveDocumentAs(path);
  return 0;
}

int Session::Add(const Arguments& arguments) {
  if (arguments.positional.size() != 1)
    throw UsageError("add takes one shape: rectangle, circle, square or strip");
  const std::wstring type = SectionTypeFor(arguments.positional[0]);
  if (type.empty())
    throw UsageError("unknown shape '" + arguments.positional[0] +
                     "' (use rectangle, circle, square or strip)");
  const UnitSystem units = UnitSystem::Named(arguments.units);
  const auto prototype = NewSection(type);
  std::vector<Units::Length> dimensions;
  for (const std::string& name : prototype->DimensionNames()) {
    const auto found = arguments.values.find("--" + name);
    if (found == arguments.values.end())
      throw UsageError("a " + arguments.positional[0] + " needs --" + name);
    dimensions.push_back(units.ParseLength("--" + name, found->second));
  }
  for (const auto& value : arguments.values) {
    bool used = value.first == "--by";
    for (const std::string& name : prototype->DimensionNames()) used |= value.first == "--" + name;
    if (!used) throw UsageError("a " + arguments.positional[0] + " has no " + value.first);
  }
  prototype->SetDimensions(dimensions);
  auto project = OpenProject(arguments);
  project->Create(prototype);
  Finish(arguments);
  return 0;
}

int Session::List(const Arguments& arguments) {
  const UnitSystem units = UnitSystem::Named(arguments.units);
  auto project = OpenProject(arguments);
  const auto sections = project->Sections();
  if (sections.empty()) {
    std::cout << "The project has no sections." << std::endl;
    return 0;
  }
  for (const auto& section : sections) {
    std::string line = Narrow(section->Name()) + " (" + Narrow(section->Type()) + "):";
    const auto names = section->DimensionNames();
    const auto dimensions = section->Dimensions();
    for (std::size_t i = 0; i < names.size(); ++i)
      line += " " + names[i] + " " + Shown(dimensions[i], units.LengthUnit());
    std::cout << line << std::endl;
  }
  PropertiesCommand properties(project, units);
  properties.Rerun();
  std::cout << sections.size() << " section(s), " << properties.NumberOfWarnings()
            << " warning(s)" << std::endl;
  return 0;
}

int Session::Duplicate(const Arguments& arguments) {
  auto section = NamedSection(arguments);
  app_->CurrentProject()->DuplicateItem(section);
  Finish(arguments);
  return 0;
}

int Session::Remove(const Arguments& arguments) {
  auto section = NamedSection(arguments);
  if (!app_->CurrentProject()->RemoveItem(section, *app_))
    Orvanta::BroadcastInformationMessage(L"'" + section->Name() + L"' was not removed");
  Finish(arguments);
  return 0;
}

int Session::Sort(const Arguments& arguments) {
  const auto by = arguments.values.find("--by");
  if (by == arguments.values.end() || (by->second != "name" && by->second != "type"))
    throw UsageError("sort needs --by name or --by type");
  auto project = OpenProject(arguments);
  if (by->second == "name")
    project->SortItemsByName();
  else
    project->SortItemsByType();
  project->NotifyHasChanged();
  Finish(arguments);
  return 0;
}

int Session::Report(const Arguments& arguments) {
  const UnitSystem units = UnitSystem::Named(arguments.units);
  auto project = OpenProject(arguments);
  PropertiesCommand properties(project, units);
  properties.Rerun();
  const Orvanta::wpath xml = app_->XMLReport();
  WriteReportXml(xml, project->Path(), properties.Results(), units, app_->ReportTitle(),
                 app_->ReportsPath() / app_->ReportStyleSheet());
  if (app_->XSLTEngine() == Orvanta::BaseApplication::XSLTProc &&
      !fs::exists(app_->EnginePath() / "xsltproc"))
    throw std::runtime_error("the report engine is missing: there is no xsltproc in '" +
                             Narrow(app_->EnginePath()) + "'");
  const Orvanta::wpath page = app_->GenerateHTMLReport(xml);
  if (page.empty())
    throw std::runtime_error("the xslt_engine option names no engine this program can run");
  if (app_->XSLTEngine() != Orvanta::BaseApplication::MSXML) {
    // The page is there when the engine has ended, and only if it succeeded.
    const int code = app_->WaitForReportEngine();
    if (code != 0)
      throw std::runtime_error("the report engine failed (exit code " + std::to_string(code) +
                               ") and wrote no report");
    if (!fs::is_regular_file(page))
      throw std::runtime_error("the report engine did not write '" + Narrow(page) + "'");
  }
  std::cout << "Report: " << Narrow(page) << std::endl;
  return 0;
}

int Session::Options(const Arguments& arguments) {
  for (const std::string& setting : arguments.settings) {
    const std::size_t equals = setting.find('=');
    if (equals == std::string::npos) throw UsageError("--set takes name=value, not '" + setting + "'");
    const std::string name = setting.substr(0, equals), value = setting.substr(equals + 1);
    if (name == "message_threshold")
      Orvanta::BaseApplication::SetMessageThreshold(ParseLevel(name, value, 3));
    else if (name == "auto_backup")
      Orvanta::BaseApplication::SetAutomaticBackup(ParseBool(name, value));
    else if (name == "backup_ext") {
      if (value.empty()) throw UsageError("option backup_ext needs a value");
      Orvanta::BaseApplication::SetBackupExtension(value);
    } else if (name == "xslt_engine")
      app_->SetXSLTEngine(
          static_cast<Orvanta::BaseApplication::XSLTEngineType>(ParseLevel(name, value, 2)));
    else if (name == "write_program_log")
      app_->SetWriteProgramLog(ParseBool(name, value));
    else if (name == "append_to_log")
      app_->SetAppendToLog(ParseBool(name, value));
    else if (name == "show_splash_screen")
      app_->SetShowSplashScreen(ParseBool(name, value));
    else
      throw UsageError("unknown option name '" + name + "' (see options --help)");
  }
  if (!arguments.settings.empty()) {
    if (!app_->SaveUserOptions())
      throw std::runtime_error("cannot write the options file '" + Narrow(app_->ConfigFile()) + "'");
    app_->SignalProgramOptionsChanged();
  }
  const auto flag = [](bool value) { return value ? "true" : "false"; };
  std::cout << "Options file: " << Narrow(app_->ConfigFile()) << "\n"
            << "message_threshold = " << app_->MessageThreshold() << "\n"
            << "auto_backup = " << flag(app_->AutomaticBackup()) << "\n"
            << "backup_ext = " << app_->BackupExtension() << "\n"
            << "xslt_engine = " << app_->XSLTEngine() << "\n"
            << "write_program_log = " << flag(app_->WriteProgramLog()) << "\n"
            << "append_to_log = " << flag(app_->AppendToLog()) << "\n"
            << "show_splash_screen = " << flag(app_->ShowSplashScreen()) << std::endl;
  return 0;
}

int Session::Recent(const Arguments& arguments) {
  const bool tidy = arguments.positional.size() == 1 && arguments.positional[0] == "tidy";
  if (arguments.positional.size() > (tidy ? 1u : 0u))
    throw UsageError("recent takes nothing, or tidy");
  // The list the application keeps in MRU.ini (SectionsApplication switches it on).
  Orvanta::RecentProjects& recent = app_->RecentProjectList();
  if (tidy) std::cout << "Forgot " << recent.RemoveMissing() << " missing project(s)\n";
  for (const Orvanta::wpath& project : recent.Projects()) std::cout << Narrow(project) << "\n";
  std::cout.flush();
  return 0;
}

int Session::CheckVersion(const Arguments&) {
  std::cout << "This is version " << Narrow(app_->FullReleaseVersion()) << std::endl;
  // Without waiting for the network: a windowed program calls Poll() from its
  // idle handler; this loop stands in for its event loop. The outcome is
  // broadcast by the Poll() that sees the download end, and the limits make
  // sure that it does.
  Orvanta::LatestVersionOptions limits;
  limits.connectTimeout = std::chrono::seconds(5);
  limits.totalTimeout = std::chrono::seconds(10);
  limits.lowSpeedLimit = 16;
  limits.lowSpeedTime = std::chrono::seconds(5);
  Orvanta::LatestVersionCheck check;
  check.Start(Narrow(app_->LatestVersionPath()), limits);
  while (check.Poll()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return 0;
}

int Session::Demo(const Arguments& arguments) {
  if (arguments.positional.size() > 1) throw UsageError("demo takes at most one folder");
  const Orvanta::wpath folder =
      PathArgument(arguments.positional.empty() ? "demo" : arguments.positional[0]);
  if (fs::exists(folder) && !(fs::is_directory(folder) && fs::is_empty(folder)))
    throw std::runtime_error("the demo folder '" + Narrow(folder) + "' is not empty");
  fs::create_directories(folder);
  const std::string project = Narrow(folder / "sections.xml");

  const auto step = [&](std::vector<std::string> words) {
    std::string shown = "orvanta-sections";
    for (const std::string& word : words)
      shown += " " + (word.find(' ') != std::string::npos ? "\"" + word + "\"" : word);
    std::cout << "\n$ " << shown << std::endl;
    words.push_back("--project");
    words.push_back(project);
    Arguments parsed = ParseArguments(words);
    parsed.units = std::find(words.begin(), words.end(), "--units") == words.end()
                       ? arguments.units
                       : parsed.units;
    Run(parsed);
  };
  const int threshold = Orvanta::BaseApplication::MessageThreshold();
  step({"options", "--set", "message_threshold=0"});
  step({"new"});
  step({"add", "rectangle", "--breadth", "300 mm", "--depth", "500 mm"});
  step({"add", "rectangle", "--breadth", "50", "--depth", "400"});
  step({"add", "circle", "--diameter", "0.2 m"});
  step({"add", "square", "--width", "12in"});
  step({"add", "strip", "--width", "200"});
  step({"duplicate", "Rectangle 1"});
  step({"list"});
  step({"sort", "--by", "type"});
  step({"remove", "Rectangle 2", "--yes"});

  std::cout << "\n# A change, then revert: the project goes back to its file." << std::endl;
  auto current = OpenProject(ParseArguments({"list", "--project", project}));
  const UnitSystem units = UnitSystem::Named(arguments.units);
  PropertiesCommand properties(current, units);
  properties.Rerun();
  std::cout << "Properties: " << Narrow(properties.StatusAsText()) << std::endl;
  auto changed = current->FindSection(L"Rectangle 1");
  changed->SetDimensions({Units::Length(250, Units::mm), Units::Length(600, Units::mm)});
  changed->SignalItemChanged();
  std::cout << "After changing Rectangle 1, the properties are "
            << Narrow(properties.StatusAsText()) << std::endl;
  current->Revert();
  std::cout << "Reverted: Rectangle 1 is "
            << Shown(current->FindSection(L"Rectangle 1")->Dimensions()[1], units.LengthUnit())
            << " deep again" << std::endl;

  std::cout << "\n# Edits undone through an edit history, with a recovery copy meanwhile."
            << std::endl;
  {
    Orvanta::EditHistory history(*current);
    Orvanta::DocumentRecovery recovery(*app_);
    const auto rectangle =
        boost::dynamic_pointer_cast<RectangleSection>(current->FindSection(L"Rectangle 1"));
    history.Change(rectangle, L"dimensions", [&] {
      rectangle->SetDimensions({Units::Length(250, Units::mm), Units::Length(600, Units::mm)});
    });
    current->DuplicateItem(rectangle);
    recovery.Autosave();  // as a host's timer would, every minute or so
    std::cout << "Autosaved into " << Narrow(recovery.Folder()) << "; recoverable now: "
              << recovery.Recoverable().size() << " (this run is alive)" << std::endl;
    for (int i = 0; i < 2; ++i) {
      std::cout << Narrow(history.UndoText()) << std::endl;
      history.Undo();
    }
    recovery.Autosave();  // unchanged since it was saved: the copy goes
    std::cout << "Rectangle 1 is " << Shown(rectangle->Dimensions()[1], units.LengthUnit())
              << " deep again, the project "
              << (current->HasChanged() ? "has changed" : "is as saved") << ", and "
              << (fs::is_empty(recovery.Folder()) ? "no recovery copy is left"
                                                  : "a recovery copy is left")
              << std::endl;
  }

  std::cout << "\n# A change, then the close question, answered yes." << std::endl;
  current->Create(MakeSection(L"Circle", {Units::Length(100, Units::mm)}));
  {
    Orvanta::MessageBoxHandler previous = Orvanta::SetMessageBoxHandler(
        [](const std::wstring& text, const std::wstring&, unsigned int) {
          std::wcout << text << L" Yes" << std::endl;
          return static_cast<int>(Orvanta::AnswerYes);
        });
    app_->CloseDocument();
    Orvanta::SetMessageBoxHandler(previous);
  }

  step({"list", "--units", "imperial"});
  step({"report"});
  step({"recent"});
  step({"check-version"});
  step({"options", "--set", "message_threshold=" + std::to_string(threshold)});

  auto opened = OpenProject(ParseArguments({"list", "--project", project}));
  std::cout << "\nProject:     " << project << "\n"
            << "Backup:      " << Narrow(opened->BackupPath()) << "\n"
            << "Report:      " << Narrow(app_->CommonAppDataPath() / "Report.html") << "\n"
            << "Program log: " << Narrow(app_->CommonAppDataPath() / "Sections.log") << std::endl;
  return 0;
}

}  // namespace Sections
