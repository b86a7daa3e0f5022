#include "orvanta/commands/Command.hpp"

#include <utility>

#include <boost/weak_ptr.hpp>

#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/LibraryText.hpp"

namespace Orvanta {
namespace {

Signals::SignalManager& Hub() { return *Signals::SignalManager::Instance(); }

}  // namespace

Command::Connections::Connections(Command* command) : command_(command) {
  Hub().ConnectToCommandStatus(this, &Connections::OnCommandStatus);
  Hub().ConnectToItemCreated(this, &Connections::OnItemEvent);
  Hub().ConnectToItemChanged(this, &Connections::OnItemEvent);
  Hub().ConnectToItemDestroyed(this, &Connections::OnItemEvent);
}

Command::Connections::~Connections() {
  Hub().DisconnectFromCommandStatus(this, &Connections::OnCommandStatus);
  Hub().DisconnectFromItemCreated(this, &Connections::OnItemEvent);
  Hub().DisconnectFromItemChanged(this, &Connections::OnItemEvent);
  Hub().DisconnectFromItemDestroyed(this, &Connections::OnItemEvent);
}

void Command::Connections::OnCommandStatus(int status) {
  if (!command_->IsRunning() || status != Finished) return;
  // Finished here, so that an override of PostExecute that does not call the
  // base still completes the command.
  command_->status_ = Finished;
  command_->PostExecute();
}

void Command::Connections::OnItemEvent(Signals::ConstItemPtr item) {
  if (item) command_->DoOutofDateCalculation(item);
}

Command::Command(bool asynchronous)
    : connections_(new Connections(this)),
      asynchronous_(asynchronous),
      status_(Suspended),
      warnings_(0),
      errors_(0) {}

Command::Command(const Command& other)
    : BaseCloneable<Command>(other),
      CopyAssignable<Command>(other),
      connections_(new Connections(this)),
      asynchronous_(other.asynchronous_),
      status_(other.status_),
      warnings_(other.warnings_),
      errors_(other.errors_),
      log_(other.log_),
      branch_(other.branch_) {}

Command& Command::operator=(const Command& other) {
  asynchronous_ = other.asynchronous_;
  status_ = other.status_;
  warnings_ = other.warnings_;
  errors_ = other.errors_;
  log_ = other.log_;
  branch_ = other.branch_;
  return *this;
}

Command::~Command() = default;

void Command::Swap(Command& other) noexcept {
  // The connections stay: each holder keeps pointing at its own command.
  std::swap(asynchronous_, other.asynchronous_);
  std::swap(status_, other.status_);
  std::swap(warnings_, other.warnings_);
  std::swap(errors_, other.errors_);
  log_.swap(other.log_);
  branch_.swap(other.branch_);
}

std::wstring Command::StatusToText(Status status) {
  return LibraryText(2027 + static_cast<unsigned int>(status));
}

void Command::Reset() {
  status_ = Suspended;
  warnings_ = 0;
  errors_ = 0;
  ClearLog();
}

void Command::PreExecute() {}

void Command::PostExecute() {
  status_ = Finished;
  BroadcastLog();
}

void Command::DoOutofDateCalculation(boost::shared_ptr<const Item>) {
  if (status_ == Running) {
    // Cancel() broadcasts the log, and a listener may destroy this command:
    // the connections die with it, which is how its end is seen.
    const boost::weak_ptr<Connections> alive = connections_;
    Cancel();
    if (alive.expired()) return;
  }
  if (status_ > Scheduled) status_ = OutOfDate;
}

void Command::Schedule() {
  status_ = Scheduled;
  warnings_ = 0;
  errors_ = 0;
}

void Command::Run(bool execute) {
  if (status_ != Scheduled) return;
  Reset();
  status_ = Running;
  PreExecute();
  if (!execute) {
    PostExecute();
    return;
  }
  if (errors_ > 0) throw Error(LibraryText(2036));
  Execute();
  if (!asynchronous_) PostExecute();
}

void Command::Validate() {
  Run(false);
  Schedule();
}

void Command::Rerun() {
  Schedule();
  Run(true);
}

void Command::Cancel() {
  Stop();
  status_ = Cancelled;
  BroadcastLog();
}

void Command::BroadcastLog() const {
  // A copy: a listener may destroy this command, and the log with it.
  const boost::shared_ptr<Message> log = log_;
  if (log) Hub().Broadcast(log, true);
}

void Command::ClearLog() {
  log_.reset(new CompositeMessage(Name()));
  branch_.reset();
}

boost::shared_ptr<Message> Command::LogMessage(boost::shared_ptr<Message> message) {
  if (!log_) return message;
  if (message->IsComposite() || !branch_) {
    log_->InsertComponent(message);
    branch_ = message;
  } else {
    branch_->InsertComponent(message);
  }
  return message;
}

boost::shared_ptr<Message> Command::LogBranch(const std::wstring& text) {
  return LogMessage(boost::shared_ptr<Message>(new CompositeMessage(text)));
}

boost::shared_ptr<Message> Command::LogError(const std::wstring& text) {
  IncrementErrors();
  return LogMessage(boost::shared_ptr<Message>(new LeafMessage(text, Message::Error)));
}

boost::shared_ptr<Message> Command::LogWarning(const std::wstring& text) {
  IncrementWarnings();
  return LogMessage(boost::shared_ptr<Message>(new LeafMessage(text, Message::Warning)));
}

boost::shared_ptr<Message> Command::LogInfo(const std::wstring& text) {
  return LogMessage(boost::shared_ptr<Message>(new LeafMessage(text, Message::Information)));
}

}  // namespace Orvanta
