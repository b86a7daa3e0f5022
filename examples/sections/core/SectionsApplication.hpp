// The program's application object and its message board.
#pragma once

#include <string>

#include <boost/shared_ptr.hpp>

#include <orvanta/application/BaseApplication.hpp>
#include <orvanta/messages/Message.hpp>

#include "Project.hpp"

namespace Sections {

class SectionsApplication : public Orvanta::BaseApplication {
 public:
  // `logRequested`: -log was given, so the program log is kept whatever the
  // options file says.
  explicit SectionsApplication(bool logRequested);

  std::wstring ReportTitle() const override { return L"Section properties"; }
  std::wstring ReportStyleSheet() const override { return L"report.css"; }
  Orvanta::wpath ReportTransform(const Orvanta::wpath& xml) const override;
  boost::shared_ptr<Orvanta::BaseDocument> MakeNewDocument() override;
  boost::shared_ptr<Orvanta::BaseDocument> MakeDocumentFromFile(const Orvanta::wpath& path) override;

  // The current document as a project (null when there is none).
  boost::shared_ptr<Project> CurrentProject() const;
  // Why the last MakeDocumentFromFile failed; empty when it did not.
  const std::string& LastOpenError() const { return last_open_error_; }

 private:
  std::string last_open_error_;
};

// Prints every broadcast message at or above the message threshold option
// on standard output as "[timestamp] Severity: text", the branches of a
// composite message indented under it.
class MessageBoard {
 public:
  MessageBoard();
  ~MessageBoard();
  MessageBoard(const MessageBoard&) = delete;
  MessageBoard& operator=(const MessageBoard&) = delete;

  void OnMessage(boost::shared_ptr<Orvanta::Message> message, bool flag);

 private:
  void Print(const Orvanta::Message& message, unsigned int depth) const;
};

const char* SeverityName(Orvanta::Message::SeverityType severity);

}  // namespace Sections
