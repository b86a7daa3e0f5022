#include "orvanta/messages/Broadcast.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <vector>

#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/messages/SignalManager.hpp"

namespace Orvanta {
namespace {

// Listens to Broadcast while it lives; notes what the log streams held when
// each message arrived.
class Board {
 public:
  Board() { Hub()->ConnectToBroadcast(this, &Board::OnMessage); }
  ~Board() { Hub()->DisconnectFromBroadcast(this, &Board::OnMessage); }

  void OnMessage(boost::shared_ptr<Message> message, bool flag) {
    messages.push_back(message);
    flags.push_back(flag);
    logAtArrival.push_back(log.str());
    wideLogAtArrival.push_back(wideLog.str());
  }

  std::vector<boost::shared_ptr<Message>> messages;
  std::vector<bool> flags;
  std::vector<std::string> logAtArrival;
  std::vector<std::wstring> wideLogAtArrival;
  std::ostringstream log;
  std::wostringstream wideLog;

 private:
  static Signals::SignalManager* Hub() { return Signals::SignalManager::Instance(); }
};

// Sends std::clog and std::wclog into the board's streams for one test.
class BroadcastTest : public ::testing::Test {
 protected:
  BroadcastTest()
      : clog_(std::clog.rdbuf(board_.log.rdbuf())), wclog_(std::wclog.rdbuf(board_.wideLog.rdbuf())) {}
  ~BroadcastTest() override {
    std::clog.rdbuf(clog_);
    std::wclog.rdbuf(wclog_);
  }

  Board board_;

 private:
  std::streambuf* clog_;
  std::wstreambuf* wclog_;
};

TEST_F(BroadcastTest, SeveritiesAndFlags) {
  BroadcastInformationMessage("info", true);
  BroadcastWarningMessage(L"warn");
  BroadcastErrorMessage(std::string("error"), true);
  BroadcastCriticalMessage(L"critical", false);
  BroadcastCompositeMessage(L"group");
  ASSERT_EQ(5u, board_.messages.size());
  const Message::SeverityType expected[] = {Message::Information, Message::Warning,
                                            Message::Error, Message::Critical,
                                            Message::Information};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(expected[i], board_.messages[i]->Severity());
  EXPECT_EQ((std::vector<bool>{true, false, true, false, false}), board_.flags);
  EXPECT_EQ(L"info", board_.messages[0]->Text());
  EXPECT_TRUE(board_.messages[4]->IsComposite());
  EXPECT_TRUE(board_.messages[4]->GetComposite()->Children().empty());
}

TEST_F(BroadcastTest, ErrorsReachTheLogBeforeAnyListener) {
  BroadcastInformationMessage("not logged");
  BroadcastErrorMessage("Disk full");
  BroadcastCriticalMessage("Gone \xC3\xA9");
  BroadcastErrorMessage(L"wide \u00b0");
  ASSERT_EQ(4u, board_.messages.size());
  EXPECT_EQ("", board_.logAtArrival[0]);
  EXPECT_EQ("Disk full\n", board_.logAtArrival[1]);
  EXPECT_EQ("Disk full\nGone \xC3\xA9\n", board_.logAtArrival[2]);
  EXPECT_EQ(L"Gone \u00e9", board_.messages[2]->Text());
  EXPECT_EQ(L"wide \u00b0\n", board_.wideLogAtArrival[3]);
  EXPECT_EQ("Disk full\nGone \xC3\xA9\n", board_.log.str());
}

// Wide errors reach std::clog as UTF-8, wherever std::clog is sent meanwhile.
TEST(Broadcast, WideErrorsFollowTheNarrowLog) {
  std::ostringstream first, second;
  std::streambuf* const previous = std::clog.rdbuf(first.rdbuf());
  BroadcastErrorMessage(L"one \u00b0");
  std::clog.rdbuf(second.rdbuf());
  BroadcastCriticalMessage(L"two");
  std::clog.rdbuf(previous);
  EXPECT_EQ("one \xC2\xB0\n", first.str());
  EXPECT_EQ("two\n", second.str());
}

// A message that notes its own destruction.
struct Observed : LeafMessage {
  explicit Observed(bool& destroyed) : LeafMessage(L"observed", Information), destroyed(destroyed) {}
  ~Observed() override { destroyed = true; }
  bool& destroyed;
};

TEST(Broadcast, MessageFreedWhenNobodyListens) {
  bool destroyed = false;
  BroadcastMessage(new Observed(destroyed), false);
  EXPECT_TRUE(destroyed);

  destroyed = false;
  {
    Board board;
    BroadcastMessage(new Observed(destroyed), true);
    EXPECT_FALSE(destroyed);  // the board keeps it
    ASSERT_EQ(1u, board.messages.size());
  }
  EXPECT_TRUE(destroyed);
}

struct Events {
  void Document(Signals::ConstBaseDocumentPtr) { calls.push_back("document"); }
  void Opening() { calls.push_back("opening"); }
  void Text(const std::wstring& text) { calls.push_back("text " + std::string(text.begin(), text.end())); }
  void Number(int n) { calls.push_back("number " + std::to_string(n)); }
  void Windows(unsigned int a, unsigned int b, long c) {
    calls.push_back("windows " + std::to_string(a + b + c));
  }
  std::vector<std::string> calls;
};

TEST(Broadcast, EventsReachTheirSignals) {
  Signals::SignalManager* hub = Signals::SignalManager::Instance();
  Events events;
  hub->ConnectToDocumentClosed(&events, &Events::Document);
  hub->ConnectToDocumentOpening(&events, &Events::Opening);
  hub->ConnectToCreateRequested(&events, &Events::Text);
  hub->ConnectToVisualAppearanceChanged(&events, &Events::Number);
  hub->ConnectToWindowsMessage(&events, &Events::Windows);
  BroadcastDocumentClosed(nullptr);
  BroadcastDocumentOpened(nullptr);  // not listened to
  BroadcastDocumentOpening();
  BroadcastCreateRequested(L"Beam");
  BroadcastVisualAppearanceChanged(3);
  BroadcastWindowsMessage(1, 2, 3);
  hub->DisconnectFromDocumentClosed(&events, &Events::Document);
  hub->DisconnectFromDocumentOpening(&events, &Events::Opening);
  hub->DisconnectFromCreateRequested(&events, &Events::Text);
  hub->DisconnectFromVisualAppearanceChanged(&events, &Events::Number);
  hub->DisconnectFromWindowsMessage(&events, &Events::Windows);
  EXPECT_EQ((std::vector<std::string>{"document", "opening", "text Beam", "number 3", "windows 6"}),
            events.calls);
}

}  // namespace
}  // namespace Orvanta
