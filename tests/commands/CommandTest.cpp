#include "orvanta/commands/Command.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HubJournal.hpp"
#include "TestItems.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/Error.hpp"

namespace Orvanta {
namespace {

// A command that logs a branch with a warning and an information, and counts its calls.
class Check : public Command {
 public:
  explicit Check(bool asynchronous = false) : Command(asynchronous) {}
  Check* Clone() const override { return new Check(*this); }
  void PreExecute() override {
    for (unsigned int i = 0; i < preErrors; ++i) LogError(L"bad input");
  }
  void Execute() override {
    ++executed;
    LogBranch(L"Wall 1");
    LogWarning(L"Slender");
    LogInfo(L"Area 0.15 m\u00b2");
  }
  void PostExecute() override {
    if (callBasePostExecute) Command::PostExecute();
  }
  void Stop() override { ++stopped; }
  std::wstring Name() const override { return L"Design check"; }

  unsigned int preErrors = 0;
  bool callBasePostExecute = true;
  int executed = 0, stopped = 0;
};

Signals::SignalManager& Hub() { return *Signals::SignalManager::Instance(); }

TEST(Command, RunsFromEachStatus) {
  testing::HubJournal board;
  Check check;
  check.Run(true);  // only a scheduled command runs
  EXPECT_EQ(0, check.executed);
  check.Rerun();
  EXPECT_TRUE(check.IsFinished());
  EXPECT_EQ(1u, check.NumberOfWarnings());
  EXPECT_EQ((std::vector<std::string>{"Design check", "  Wall 1"}), board.entries);
  ASSERT_EQ(1u, board.messages.size());
  EXPECT_TRUE(board.messages[0].second);

  // Validation broadcasts without executing, and leaves the command scheduled.
  check.Schedule();
  check.Validate();
  EXPECT_TRUE(check.IsScheduled());
  EXPECT_EQ(1, check.executed);
  EXPECT_EQ(2u, board.messages.size());

  check.preErrors = 2;
  EXPECT_THAT(
      [&] { check.Run(true); },
      ::testing::ThrowsMessage<Error>(::testing::StrEq("Errors detected prior to execution")));
  EXPECT_EQ(2u, check.NumberOfErrors());
  EXPECT_EQ(1, check.executed);
}

TEST(Command, AsynchronousCompletionAndCancellationByItemEvents) {
  testing::HubJournal board;
  Check waiting(true), cancelled(true), idle, bare(true);
  bare.callBasePostExecute = false;  // the completion must not rely on the base
  for (Check* c : {&waiting, &cancelled, &bare}) c->Rerun();
  Hub().CommandStatus(3);  // not Finished: nothing
  EXPECT_TRUE(waiting.IsRunning());
  Hub().CommandStatus(4);  // every running command completes
  EXPECT_TRUE(waiting.IsFinished() && cancelled.IsFinished() && bare.IsFinished());
  EXPECT_EQ(2u, board.messages.size());

  // Any item created, changed or destroyed cancels a running command and puts finished
  // results out of date; a scheduled command stays, and null items are ignored.
  for (auto raise : {&Signals::SignalManager::ItemCreated, &Signals::SignalManager::ItemChanged,
                     &Signals::SignalManager::ItemDestroyed}) {
    cancelled.Rerun();
    idle.Schedule();
    (Hub().*raise)(nullptr);
    EXPECT_TRUE(cancelled.IsRunning());
    board.messages.clear();
    (Hub().*raise)(testing::MakeLayer(L"Wall 1"));
    EXPECT_TRUE(cancelled.IsOutofDate());
    EXPECT_EQ(1u, board.messages.size());  // the cancelled log
    EXPECT_TRUE(waiting.IsOutofDate());
    EXPECT_TRUE(idle.IsScheduled());
  }
  EXPECT_EQ(3, cancelled.stopped);
}

// A listener that destroys the command when its log is broadcast.
struct Owner {
  Owner() { Hub().ConnectToBroadcast(this, &Owner::On); }
  ~Owner() { Hub().DisconnectFromBroadcast(this, &Owner::On); }
  void On(boost::shared_ptr<Message>, bool) { check.reset(); }
  std::unique_ptr<Check> check{new Check(true)};
};

TEST(Command, CancelledCommandMayBeDestroyedByItsLogsListener) {
  Owner owner;
  owner.check->Rerun();
  Hub().ItemChanged(testing::MakeLayer(L"Wall 1"));
  EXPECT_EQ(nullptr, owner.check);
}

TEST(Command, CopiesAndSwapsListenOnTheirOwn) {
  Check original(true), assigned;
  original.Rerun();
  Check copy(original);
  assigned = original;
  EXPECT_EQ(original.Log(), assigned.Log());
  Hub().CommandStatus(4);
  EXPECT_TRUE(copy.IsFinished() && assigned.IsFinished());

  // Swap exchanges the whole state; each keeps its own connections.
  Check idle;
  idle.LogError(L"counted");
  copy.Swap(idle);
  EXPECT_TRUE(copy.IsSuspended());
  EXPECT_EQ(1u, copy.NumberOfErrors());
  EXPECT_EQ(1u, idle.NumberOfWarnings());
  idle.Rerun();  // asynchronous after the swap: still running
  EXPECT_TRUE(idle.IsRunning());
}

}  // namespace
}  // namespace Orvanta
