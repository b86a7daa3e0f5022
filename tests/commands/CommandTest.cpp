#include "orvanta/commands/Command.hpp"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <memory>
#include <string>
#include <vector>

#include "HubJournal.hpp"
#include "TestItems.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

// A command whose work is whatever the test puts in `work`.
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
  int executed = 0;
  int postExecuted = 0;
  int stopped = 0;
};

using Board = testing::HubJournal;

// A real item for the item signals.
Signals::ConstItemPtr SomeItem() { return testing::MakeLayer(L"Wall 1"); }

TEST(Command, StatusTextsAndRunFromWrongStatus) {
  const struct {
    Command::Status status;
    const wchar_t* text;
  } texts[] = {{Command::Suspended, L"Suspended"}, {Command::Scheduled, L"Scheduled"},
               {Command::Running, L"Running"},     {Command::Cancelled, L"Cancelled"},
               {Command::Finished, L"Finished"},   {Command::OutOfDate, L"Validate"}};
  for (const auto& t : texts) EXPECT_EQ(t.text, Command::StatusToText(t.status));

  Check check;
  check.LogError(L"before any reset");  // counted, not kept
  EXPECT_EQ(1u, check.NumberOfErrors());
  EXPECT_EQ(nullptr, check.Log());
  check.Run(true);  // Suspended: nothing happens
  EXPECT_TRUE(check.IsSuspended());
  EXPECT_EQ(0, check.executed);
  EXPECT_EQ(nullptr, check.Log());
}

TEST(Command, RerunExecutesAndBroadcastsTheLog) {
  Board board;
  Check check;
  check.Rerun();
  EXPECT_TRUE(check.IsFinished());
  EXPECT_EQ(1, check.executed);
  EXPECT_EQ(1u, check.NumberOfWarnings());
  EXPECT_EQ((std::vector<std::string>{"Design check", "  Wall 1"}), board.entries);
  ASSERT_EQ(1u, board.messages.size());
  EXPECT_TRUE(board.messages[0].second);
  ASSERT_EQ(1u, check.Log()->Children().size());
  const auto branch = check.Log()->Children()[0];
  EXPECT_EQ(L"Wall 1", branch->Text());
  EXPECT_EQ(2u, branch->GetComposite()->Children().size());
  EXPECT_EQ(Message::Warning, check.Log()->Severity());
}

TEST(Command, ValidationRunBroadcastsOnceAndSchedulesAgain) {
  Board board;
  Check check;
  check.Schedule();
  check.Validate();
  EXPECT_TRUE(check.IsScheduled());
  EXPECT_EQ(0, check.executed);
  EXPECT_EQ(1u, board.messages.size());
}

TEST(Command, ErrorsBeforeExecutionStopTheRun) {
  Check check;
  check.preErrors = 2;
  check.Schedule();
  try {
    check.Run(true);
    ADD_FAILURE() << "ran despite errors";
  } catch (const Error& error) {
    EXPECT_STREQ("Errors detected prior to execution", error.what());
  }
  EXPECT_TRUE(check.IsRunning());
  EXPECT_EQ(2u, check.NumberOfErrors());
  EXPECT_EQ(0, check.executed);
}

TEST(Command, AsynchronousCompletionAndCancellationByItemChange) {
  Signals::SignalManager* hub = Signals::SignalManager::Instance();
  Board board;
  Check waiting(true), cancelled(true), idle, bare(true);
  bare.callBasePostExecute = false;  // the completion must not rely on the base
  waiting.Rerun();
  cancelled.Rerun();
  bare.Rerun();
  EXPECT_TRUE(waiting.IsRunning());
  EXPECT_TRUE(board.messages.empty());

  hub->CommandStatus(3);  // not Finished: nothing
  EXPECT_TRUE(waiting.IsRunning());
  hub->CommandStatus(4);  // every running command completes
  EXPECT_TRUE(waiting.IsFinished());
  EXPECT_TRUE(cancelled.IsFinished());
  EXPECT_TRUE(bare.IsFinished());
  EXPECT_EQ(1, bare.postExecuted);
  EXPECT_EQ(2u, board.messages.size());

  cancelled.Rerun();
  hub->ItemChanged(SomeItem());
  EXPECT_EQ(1, cancelled.stopped);
  EXPECT_TRUE(cancelled.IsOutofDate());
  EXPECT_EQ(L"Validate", cancelled.StatusAsText());
  EXPECT_TRUE(waiting.IsOutofDate());    // finished results are out of date too
  EXPECT_TRUE(idle.IsSuspended());       // nothing to invalidate
  EXPECT_EQ(3u, board.messages.size());  // the cancelled log

  // Any item created, changed or destroyed puts finished results out of date;
  // a scheduled command stays scheduled, and null items are ignored.
  for (auto raise : {&Signals::SignalManager::ItemCreated, &Signals::SignalManager::ItemChanged,
                     &Signals::SignalManager::ItemDestroyed}) {
    idle.Rerun();
    cancelled.Schedule();
    (hub->*raise)(nullptr);
    EXPECT_TRUE(idle.IsFinished());
    (hub->*raise)(SomeItem());
    EXPECT_TRUE(idle.IsOutofDate());
    EXPECT_TRUE(cancelled.IsScheduled());
  }
}

// A listener that destroys the command when its log is broadcast.
struct Owner {
  Owner() { Signals::SignalManager::Instance()->ConnectToBroadcast(this, &Owner::On); }
  ~Owner() { Signals::SignalManager::Instance()->DisconnectFromBroadcast(this, &Owner::On); }
  void On(boost::shared_ptr<Message>, bool) { check.reset(); }
  std::unique_ptr<Check> check{new Check(true)};
};

TEST(Command, CancelledCommandMayBeDestroyedByItsLogsListener) {
  Owner owner;
  owner.check->Rerun();
  Signals::SignalManager::Instance()->ItemChanged(SomeItem());
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

TEST(Command, CopiesListenOnTheirOwn) {
  Check original(true);
  original.Rerun();
  Check copy(original);
  EXPECT_TRUE(copy.IsRunning());
  EXPECT_EQ(original.Log(), copy.Log());
  Signals::SignalManager::Instance()->CommandStatus(4);
  EXPECT_TRUE(copy.IsFinished());
  EXPECT_TRUE(original.IsFinished());
  Check other;
  other = copy;
  EXPECT_TRUE(other.IsFinished());

  // Swap exchanges the whole state; each keeps its own connections.
  Check idle;
  idle.LogError(L"counted");
  other.Swap(idle);
  EXPECT_TRUE(other.IsSuspended());
  EXPECT_FALSE(other.IsAsynchronous());
  EXPECT_EQ(1u, other.NumberOfErrors());
  EXPECT_EQ(0u, other.NumberOfWarnings());
  EXPECT_EQ(nullptr, other.Log());
  EXPECT_TRUE(idle.IsFinished());
  EXPECT_TRUE(idle.IsAsynchronous());
  EXPECT_EQ(0u, idle.NumberOfErrors());
  EXPECT_EQ(1u, idle.NumberOfWarnings());
  EXPECT_EQ(original.Log(), idle.Log());
  idle.LogInfo(L"into the swapped branch");
  EXPECT_EQ(3u, idle.Log()->Children()[0]->GetComposite()->Children().size());
}

}  // namespace
}  // namespace Orvanta
