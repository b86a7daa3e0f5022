#include "SectionsApplication.hpp"

#include <iostream>

#include <boost/filesystem/operations.hpp>
#include <boost/make_shared.hpp>

#include <orvanta/messages/CompositeMessage.hpp>
#include <orvanta/messages/SignalManager.hpp>
#include <orvanta/platform/WideStreams.hpp>

namespace Sections {

SectionsApplication::SectionsApplication(bool logRequested)
    : BaseApplication(nullptr, L"Sections", L"SEC", boost::gregorian::date(2026, 12, 5),
                      L"Cross-section properties", L"Sections.xml", L"Sections.log",
                      L"Sections.chm") {
  // The options file, once read, outranks the command line; -log still keeps
  // this run's log, without becoming the user's option.
  const bool logOpen = WriteProgramLog();
  if (!boost::filesystem::exists(ConfigFile())) {
    // The engine that ships beside the program is the default until the
    // user chooses another.
    SetWriteProgramLog(false);
    SetXSLTEngine(XSLTProc);
    SaveUserOptions();
  }
  if (logRequested && !logOpen) CreateProgramLog(CommonAppDataPath() / "Sections.log");
  // Each project opened, or saved under a new name, goes first in the list of
  // recent projects.
  SetRecordRecentProjects(true);
}

Orvanta::wpath SectionsApplication::ReportTransform(const Orvanta::wpath&) const {
  return ReportsPath() / "report.xsl";
}

boost::shared_ptr<Orvanta::BaseDocument> SectionsApplication::MakeNewDocument() {
  return boost::make_shared<Project>();
}

boost::shared_ptr<Orvanta::BaseDocument> SectionsApplication::MakeDocumentFromFile(
    const Orvanta::wpath& path) {
  last_open_error_.clear();
  try {
    return boost::make_shared<Project>(path);
  } catch (const std::exception& error) {
    last_open_error_ = error.what();
    throw;
  }
}

boost::shared_ptr<Project> SectionsApplication::CurrentProject() const {
  return boost::dynamic_pointer_cast<Project>(GetDocument());
}

const char* SeverityName(Orvanta::Message::SeverityType severity) {
  switch (severity) {
    case Orvanta::Message::Information:
      return "Information";
    case Orvanta::Message::Warning:
      return "Warning";
    case Orvanta::Message::Error:
      return "Error";
    default:
      return "Critical";
  }
}

MessageBoard::MessageBoard() {
  Orvanta::UseUtf8WideStandardStreams();
  Orvanta::Signals::SignalManager::Instance()->ConnectToBroadcast(this, &MessageBoard::OnMessage);
}

MessageBoard::~MessageBoard() {
  Orvanta::Signals::SignalManager::Instance()->DisconnectFromBroadcast(this,
                                                                      &MessageBoard::OnMessage);
}

void MessageBoard::OnMessage(boost::shared_ptr<Orvanta::Message> message, bool) {
  if (message) Print(*message, 0);
  std::wcout.flush();
}

void MessageBoard::Print(const Orvanta::Message& message, unsigned int depth) const {
  if (static_cast<int>(message.Severity()) < Orvanta::BaseApplication::MessageThreshold()) return;
  std::wcout << std::wstring(2 * depth, L' ') << L'[' << message.ReadableTimestamp() << L"] "
             << SeverityName(message.Severity()) << L": " << message.Text() << L'\n';
  if (const Orvanta::CompositeMessage* composite = message.GetComposite())
    for (const auto& child : composite->Children())
      if (child) Print(*child, depth + 1);
}

}  // namespace Sections
