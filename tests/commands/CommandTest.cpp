#include "orvanta/commands/Command.hpp"

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
    ++postExecuted;
    if (callBasePostExecute) Command::PostExecute();
  }
  void Stop() override { ++stopped; }
  std::wstring Name() const override { return L"Design check"; }

  unsigned int preErrors = 0;
  bool callBasePostExecute = true;
  int executed = 0, postExecuted = 0, stopped = 0;
};

Signals::SignalManager& Hub() { return *Signals::SignalManager::Instance(); }

TEST(Command, RunsFromEachStatus) {
  testing::HubJournal board;
  Check check;
  check.LogError(L"before any reset");  // counted, not kept
  EXPECT_EQ(1u, check.NumberOfErrors());
  EXPECT_EQ(nullptr, check.Log());
  check.Run(true);  // only a scheduled command runs
  EXPECT_TRUE(check.IsSuspended());
  EXPECT_EQ(0, check.executed);

  check.Rerun();
  EXPECT_TRUE(check.IsFinished());
  EXPECT_EQ(1, check.executed);
  EXPECT_EQ(1u, check.NumberOfWarnings());
  EXPECT_EQ((std::vector<std::string>{"Design check", "  Wall 1"}), board.entries);
  ASSERT_EQ(1u, board.messages.size());
  EXPECT_TRUE(board.messages[0].second);
  ASSERT_EQ(1u, check.Log()->Children().size());
  EXPECT_EQ(2u, check.Log()->Children()[0]->GetComposite()->Children().size());
  EXPECT_EQ(Message::Warning, check.Log()->Severity());

  // Validation broadcasts without executing, and leaves the command scheduled.
  check.Schedule();
  check.Validate();
  EXPECT_TRUE(check.IsScheduled());
  EXPECT_EQ(1, check.executed);
  EXPECT_EQ(2u, board.messages.size());

  check.preErrors = 2;
  try {
    check.Run(true);
    ADD_FAILURE() << "ran despite errors";
  } catch (const Error& error) {
    EXPECT_STREQ("Errors detected prior to execution", error.what());
  }
  EXPECT_TRUE(check.IsRunning());
  EXPECT_EQ(2u, check.NumberOfErrors());
  EXPECT_EQ(1, check.executed);
}

TEST(Command, AsynchronousCompletionAndCancellationByItemEvents) {
  testing::HubJournal board;
  Check waiting(true), cancelled(true), idle, bare(true);
  bare.callBasePostExecute = false;  // the completion must not rely on the base
  for (Check* c : {&waiting, &cancelled, &bare}) c->Rerun();
  EXPECT_TRUE(waiting.IsRunning());
  Hub().CommandStatus(3);  // not Finished: nothing
  EXPECT_TRUE(waiting.IsRunning());
  EXPECT_TRUE(board.messages.empty());
  Hub().CommandStatus(4);  // every running command completes
  EXPECT_TRUE(waiting.IsFinished() && cancelled.IsFinished() && bare.IsFinished());
  EXPECT_EQ(1, bare.postExecuted);
  EXPECT_EQ(2u, board.messages.size());

  // Any item created, changed or destroyed cancels a running command and puts finished
  // results out of date; a scheduled or suspended command stays, and null items are ignored.
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
    idle.Reset();
    (Hub().*raise)(testing::MakeLayer(L"Wall 1"));
    EXPECT_TRUE(idle.IsSuspended());
  }
  EXPECT_EQ(3, cancelled.stopped);
  EXPECT_EQ(L"Validate", cancelled.StatusAsText());
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

TEST(Command, LeafWithoutBranchBecomesTheBranch) {
  Check check;
  check.Reset();
  const auto first = check.LogInfo(L"first");
  check.LogWarning(L"dropped");  // a leaf ignores insertions, but it is counted
  check.LogBranch(L"branch");
  check.LogError(L"kept");
  const auto root = check.Log();
  ASSERT_EQ(2u, root->Children().size());
  EXPECT_EQ(first, root->Children()[0]);
  EXPECT_EQ(1u, root->Children()[1]->GetComposite()->Children().size());
  EXPECT_EQ(1u, check.NumberOfWarnings());
  EXPECT_EQ(L"Design check", root->Text());
}

TEST(Command, CopiesAndSwapsListenOnTheirOwn) {
  Check original(true);
  original.Rerun();
  Check copy(original), other;
  EXPECT_TRUE(copy.IsRunning());
  EXPECT_EQ(original.Log(), copy.Log());
  Hub().CommandStatus(4);
  EXPECT_TRUE(copy.IsFinished() && original.IsFinished());
  other = copy;
  EXPECT_TRUE(other.IsFinished());

  // Swap exchanges the whole state; each keeps its own connections.
  Check idle;
  idle.LogError(L"counted");
  other.Swap(idle);
  EXPECT_TRUE(other.IsSuspended());
  EXPECT_FALSE(other.IsAsynchronous());
  EXPECT_EQ(1u, other.NumberOfErrors());
  EXPECT_EQ(nullptr, other.Log());
  EXPECT_TRUE(idle.IsFinished());
  EXPECT_TRUE(idle.IsAsynchronous());
  EXPECT_EQ(1u, idle.NumberOfWarnings());
  idle.LogInfo(L"into the swapped branch");
  EXPECT_EQ(3u, idle.Log()->Children()[0]->GetComposite()->Children().size());
  idle.Rerun();  // asynchronous after the swap: still running
  EXPECT_TRUE(idle.IsRunning());
}

}  // namespace
}  // namespace Orvanta
