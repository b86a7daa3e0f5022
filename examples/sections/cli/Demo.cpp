// The demo: a scripted session of every subcommand, and of what a program
// does between them (revert, undo through an edit history, autosave, the close
// question), run on the session's own application.
#include <algorithm>
#include <iostream>

#include <boost/filesystem/operations.hpp>

#include <orvanta/application/DocumentRecovery.hpp>
#include <orvanta/documents/EditHistory.hpp>
#include <orvanta/platform/MessageBox.hpp>
#include <orvanta/platform/TextConversion.hpp>

#include "PropertiesCommand.hpp"
#include "Session.hpp"

namespace Sections {
namespace {

namespace fs = boost::filesystem;

std::string Narrow(const std::wstring& text) { return Orvanta::wstring_to_string(text); }
std::string Narrow(const Orvanta::wpath& path) { return Orvanta::path_to_string(path); }
Orvanta::wpath PathArgument(const std::string& name) {
  return fs::absolute(Orvanta::string_to_path(name));
}

}  // namespace

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
    parsed.units = std::find(words.begin(), words.end(), "--units") == words.end() ? arguments.units
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
    const auto rectangle = current->FindSection(L"Rectangle 1");
    rectangle->EditDimensions(history,
                              {Units::Length(250, Units::mm), Units::Length(600, Units::mm)});
    current->DuplicateItem(rectangle);
    recovery.Autosave();  // as a host's timer would, every minute or so
    std::cout << "Autosaved into " << Narrow(recovery.Folder())
              << "; recoverable now: " << recovery.Recoverable().size() << " (this run is alive)"
              << std::endl;
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
            << "Program log: " << Narrow(app_->ProgramLogFile()) << std::endl;
  return 0;
}

}  // namespace Sections
