#include "Session.hpp"

#include <chrono>
#include <iostream>
#include <thread>

#include <boost/filesystem/operations.hpp>

#include <orvanta/application/LatestVersionCheck.hpp>
#include <orvanta/messages/Broadcast.hpp>
#include <orvanta/messages/CompositeMessage.hpp>
#include <orvanta/messages/SignalManager.hpp>
#include <orvanta/platform/LibraryText.hpp>
#include <orvanta/platform/MessageBox.hpp>
#include <orvanta/platform/TextConversion.hpp>
#include <orvanta/platform/WideStreams.hpp>

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

// The shape typed on the command line ("rectangle"): a section type in lower
// case. Empty when there is none.
std::wstring SectionTypeFor(const std::string& shape) {
  for (const std::wstring& type : SectionTypes()) {
    std::string lower = Narrow(type);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == shape) return type;
  }
  return std::wstring();
}

}  // namespace

TerminalBoard::TerminalBoard() {
  Orvanta::UseUtf8WideStandardStreams();
  Orvanta::Signals::SignalManager::Instance()->ConnectToBroadcast(this, &TerminalBoard::OnMessage);
}

TerminalBoard::~TerminalBoard() {
  Orvanta::Signals::SignalManager::Instance()->DisconnectFromBroadcast(this,
                                                                       &TerminalBoard::OnMessage);
}

void TerminalBoard::OnMessage(boost::shared_ptr<Orvanta::Message> message, bool) {
  if (message) Print(*message, 0);
  std::wcout.flush();
}

void TerminalBoard::Print(const Orvanta::Message& message, unsigned int depth) const {
  if (static_cast<int>(message.Severity()) < Orvanta::BaseApplication::MessageThreshold()) return;
  // The severity's name: texts 1920 to 1923.
  std::wcout << std::wstring(2 * depth, L' ') << L'[' << message.ReadableTimestamp() << L"] "
             << Orvanta::LibraryText(1920 + message.Severity()) << L": " << message.Text() << L'\n';
  if (const Orvanta::CompositeMessage* composite = message.GetComposite())
    for (const auto& child : composite->Children())
      if (child) Print(*child, depth + 1);
}

Session::Session(boost::shared_ptr<SectionsApplication> app, const Arguments& first) : app_(app) {
  if ((first.log || first.command == "demo") && !app_->IsProgramLogOpen())
    app_->CreateProgramLog(app_->ProgramLogFile());
  if (app_->ShowSplashScreen() && !first.noSplash)
    std::wcout << app_->ProgramName() << L' ' << app_->FullReleaseVersion() << L" \u2014 "
               << app_->HostText() << std::endl;
  Orvanta::Signals::SignalManager::Instance()->AppStarted(app_);
}

Session::~Session() {
  // Nothing is saved here: every command saved what it changed.
  app_->CloseProgramLog();
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
  // The library leaves an empty project in place of one that does not open:
  // that is not the file, and must never be saved over it.
  if (!app_->OpenDocumentError().empty())
    throw std::runtime_error(Narrow(app_->OpenDocumentError()));
  auto project = app_->CurrentProject();
  if (!project)
    throw std::runtime_error("cannot open the project file '" + arguments.project + "'");
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
  std::cout << sections.size() << " section(s), " << properties.NumberOfWarnings() << " warning(s)"
            << std::endl;
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
  const Orvanta::wpath page = MakeHtmlReport(*app_, OpenProject(arguments), units);
  std::cout << "Report: " << Narrow(page) << std::endl;
  return 0;
}

int Session::Options(const Arguments& arguments) {
  for (const std::string& setting : arguments.settings) {
    const std::size_t equals = setting.find('=');
    if (equals == std::string::npos)
      throw UsageError("--set takes name=value, not '" + setting + "'");
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
      throw std::runtime_error("cannot write the options file '" + Narrow(app_->ConfigFile()) +
                               "'");
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
  Orvanta::LatestVersionCheck check;
  check.Start(Narrow(app_->LatestVersionPath()), SectionsApplication::VersionCheckLimits());
  while (check.Poll()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return 0;
}

}  // namespace Sections
