// Command: the base of a host program's runnable calculations. A command has
// a status, counts warnings and errors, keeps a log of messages, broadcasts
// the log when it finishes or is cancelled, and falls out of date when any
// item is created, changed or destroyed while it holds results.
//
//   class Check : public Orvanta::Command {
//    public:
//     Check() : Command(false) {}
//     Check* Clone() const override { return new Check(*this); }
//     void Execute() override { LogBranch(L"Wall 1"); LogWarning(L"Slender"); }
//     void Stop() override {}
//     std::wstring Name() const override { return L"Design check"; }
//   };
//   Check check;
//   check.Rerun();   // Scheduled, Running, Finished; the log is broadcast
//
// Everything runs on the caller's thread. An asynchronous command stays
// Running after Execute() until the host raises CommandStatus(4), which sets
// it Finished and then calls PostExecute().
#pragma once

#include <string>

#include <boost/shared_ptr.hpp>

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API Command : public BaseCloneable<Command>, public CopyAssignable<Command> {
 public:
  enum Status {
    Suspended = 0,
    Scheduled = 1,
    Running = 2,
    Cancelled = 3,
    Finished = 4,
    OutOfDate = 5
  };

  // Connects its command to CommandStatus and the item signals while it lives.
  class ORVANTA_API Connections {
   public:
    explicit Connections(Command* command);
    ~Connections();
    Connections(const Connections&) = delete;
    Connections& operator=(const Connections&) = delete;

    void OnCommandStatus(int status);
    void OnItemEvent(Signals::ConstItemPtr item);

   private:
    Command* command_;
  };

  explicit Command(bool asynchronous);
  // Copies the status, the counters and the log (shared with `other`, not
  // copied); the copy connects to the signals on its own.
  Command(const Command& other);
  // Copies every field but the connections, which stay with this command.
  Command& operator=(const Command& other);
  ~Command() override;
  void Swap(Command& other) noexcept;

  // The command's work.
  virtual void Execute() = 0;
  // Called by Cancel() before the status changes: stop the work.
  virtual void Stop() = 0;
  // The text of the log's root message.
  virtual std::wstring Name() const = 0;

  // Status Suspended, counters zero, a fresh log.
  virtual void Reset();
  // Nothing in the base; errors counted here stop Run(true).
  virtual void PreExecute();
  // Status Finished; broadcasts the log (flag true) if there is one.
  virtual void PostExecute();
  // Cancels a running command, then marks any command past Scheduled out of
  // date. A listener of the cancelled log may destroy the command: nothing of
  // it is touched after that.
  virtual void DoOutofDateCalculation(boost::shared_ptr<const Item> item);

  bool IsSuspended() const { return status_ == Suspended; }
  bool IsScheduled() const { return status_ == Scheduled; }
  bool IsRunning() const { return status_ == Running; }
  bool IsCancelled() const { return status_ == Cancelled; }
  bool IsFinished() const { return status_ == Finished; }
  bool IsOutofDate() const { return status_ == OutOfDate; }
  Status GetStatus() const { return status_; }
  bool IsAsynchronous() const { return asynchronous_; }
  std::wstring StatusAsText() const { return StatusToText(status_); }
  // String-table text 2027 + status ("Suspended" ... "Finished", "Validate").
  static std::wstring StatusToText(Status status);

  unsigned int NumberOfWarnings() const { return warnings_; }
  unsigned int NumberOfErrors() const { return errors_; }
  void IncrementWarnings() { ++warnings_; }
  void IncrementErrors() { ++errors_; }
  void IncrementWarningsBy(unsigned int n) { warnings_ += n; }
  void IncrementErrorsBy(unsigned int n) { errors_ += n; }

  // Status Scheduled, counters zero; the log stays.
  void Schedule();
  void Suspend() { status_ = Suspended; }
  // Runs a Scheduled command (anything else is left alone): Reset, Running,
  // PreExecute, then for a validation run (`execute` false) PostExecute; else
  // Execute, and PostExecute unless asynchronous. Throws Error with text 2036
  // when PreExecute counted errors; the command then stays Running.
  void Run(bool execute);
  // Run(false) then Schedule().
  void Validate();
  // Schedule() then Run(true).
  void Rerun();
  // Both call Execute() on the caller's thread.
  void RunThread() { Execute(); }
  void ExecuteThread() { Execute(); }
  // Stop(), status Cancelled, and the log broadcast if there is one.
  void Cancel();

  // The log: null before the first Reset().
  boost::shared_ptr<CompositeMessage> Log() const { return log_; }
  // A fresh log whose root text is Name(); no current branch.
  void ClearLog();
  // Adds `message`: a composite (or any message while there is no branch)
  // becomes a new branch of the root; anything else goes into the current
  // branch. Not kept before the first Reset(). Returns `message`.
  boost::shared_ptr<Message> LogMessage(boost::shared_ptr<Message> message);
  boost::shared_ptr<Message> LogBranch(const std::wstring& text);
  boost::shared_ptr<Message> LogError(const std::wstring& text);
  boost::shared_ptr<Message> LogWarning(const std::wstring& text);
  boost::shared_ptr<Message> LogInfo(const std::wstring& text);

 private:
  void BroadcastLog() const;

  boost::shared_ptr<Connections> connections_;
  bool asynchronous_;
  Status status_;
  unsigned int warnings_;
  unsigned int errors_;
  boost::shared_ptr<CompositeMessage> log_;
  boost::shared_ptr<Message> branch_;
};

}  // namespace Orvanta
