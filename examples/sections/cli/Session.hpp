// The subcommands of orvanta-sections, run on one application, and the
// message board that prints what the library and the program broadcast.
#pragma once

#include <boost/shared_ptr.hpp>

#include <orvanta/messages/Message.hpp>

#include "Arguments.hpp"
#include "SectionsApplication.hpp"

namespace Sections {

// Prints every broadcast message at or above the message threshold option on
// standard output as "[timestamp] Severity: text", the branches of a
// composite message indented under it. It connects to the hub's Broadcast
// signal while it lives, as every listener must.
class TerminalBoard {
 public:
  TerminalBoard();
  ~TerminalBoard();
  TerminalBoard(const TerminalBoard&) = delete;
  TerminalBoard& operator=(const TerminalBoard&) = delete;

  void OnMessage(boost::shared_ptr<Orvanta::Message> message, bool flag);

 private:
  void Print(const Orvanta::Message& message, unsigned int depth) const;
};

// Runs whole command lines on one application.
class Session {
 public:
  // The application: -log, or the demo, keeps a program log for this run
  // whatever the options say.
  Session(boost::shared_ptr<SectionsApplication> app, const Arguments& first);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs one subcommand; returns the exit code. Errors are thrown:
  // UsageError for wrong use, std::exception for everything else.
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
  int Demo(const Arguments& arguments);  // Demo.cpp

  // Opens the project file unless it is already the current document; throws
  // when it does not exist or is no project.
  boost::shared_ptr<Project> OpenProject(const Arguments& arguments);
  // Saves a changed project; with --yes or --no the close question decides.
  void Finish(const Arguments& arguments);
  // The section named by the one positional argument.
  boost::shared_ptr<SectionItem> NamedSection(const Arguments& arguments);

  TerminalBoard board_;
  boost::shared_ptr<SectionsApplication> app_;
};

}  // namespace Sections
