#include "orvanta/messages/Broadcast.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <sstream>
#include <vector>

#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

Signals::SignalManager* Hub() { return Signals::SignalManager::Instance(); }

// Hears the broadcasts while it lives, with std::clog sent into its own
// stream: each message's severity, flag and text, and how many lines the log
// held when it arrived.
struct Board {
  Board() { Hub()->ConnectToBroadcast(this, &Board::On); }
  ~Board() {
    Hub()->DisconnectFromBroadcast(this, &Board::On);
    std::clog.rdbuf(clog);
  }
  void On(boost::shared_ptr<Message> message, bool flag) {
    const std::string logged = log.str();
    seen.push_back(std::to_string(message->Severity()) + (flag ? "!" : " ") +
                   wstring_to_string(message->Text()) + (message->IsComposite() ? "/ " : " ") +
                   std::to_string(std::count(logged.begin(), logged.end(), '\n')));
    messages.push_back(message);
  }

  std::vector<std::string> seen;
  std::vector<boost::shared_ptr<Message>> messages;
  std::ostringstream log;
  std::streambuf* const clog = std::clog.rdbuf(log.rdbuf());
};

// Errors and critical messages reach the log before any listener, wide ones
// as UTF-8 on std::clog, wherever it points then.
TEST(Broadcast, SeveritiesFlagsAndTheLog) {
  Board board;
  BroadcastInformationMessage("info", true);
  BroadcastInformationMessage(L"wide info");
  BroadcastWarningMessage(L"warn");
  BroadcastWarningMessage("narrow warn", true);
  BroadcastErrorMessage("Disk full", true);
  BroadcastErrorMessage(L"wide \u00b0");
  BroadcastCriticalMessage("Gone \xC3\xA9");
  BroadcastCriticalMessage(L"two", true);
  BroadcastCompositeMessage(L"group");
  BroadcastCompositeMessage("narrow group", true);
  EXPECT_EQ((std::vector<std::string>{"0!info 0", "0 wide info 0", "1 warn 0", "1!narrow warn 0",
                                      "2!Disk full 1", "2 wide \xC2\xB0 2", "3 Gone \xC3\xA9 3",
                                      "3!two 4", "0 group/ 4", "0!narrow group/ 4"}),
            board.seen);
  EXPECT_EQ("Disk full\nwide \xC2\xB0\nGone \xC3\xA9\ntwo\n", board.log.str());
}

// A message nobody keeps is freed; a listener may keep it.
TEST(Broadcast, MessagesLiveAsLongAsTheirListenersKeepThem) {
  struct Observed : LeafMessage {
    explicit Observed(bool& gone) : LeafMessage(L"observed", Information), gone(gone) {}
    ~Observed() override { gone = true; }
    bool& gone;
  };
  bool gone = false;
  BroadcastMessage(new Observed(gone), false);
  EXPECT_TRUE(gone);
  gone = false;
  {
    Board board;
    BroadcastMessage(boost::shared_ptr<Message>(new Observed(gone)), true);
    EXPECT_FALSE(gone);
  }
  EXPECT_TRUE(gone);
}

// The signals that documents, items and the application's appearance do not
// raise (the tests of those hear the others).
struct Events {
  void Selected(Signals::ConstItemPtr) { calls.push_back("selected"); }
  void Editing(Signals::ConstItemPtr) { calls.push_back("editing"); }
  void Plain() { calls.push_back("opening"); }
  void Text(const std::wstring& text) { calls.push_back(wstring_to_string(text)); }
  void Application(Signals::ConstBaseApplicationPtr) { calls.push_back("application"); }
  std::vector<std::string> calls;
};

// Each Broadcast function raises its own signal of the hub.
TEST(Broadcast, EventsRaiseTheirSignals) {
  Events events;
  Hub()->ConnectToDocumentOpening(&events, &Events::Plain);
  Hub()->ConnectToItemSelected(&events, &Events::Selected);
  Hub()->ConnectToItemEditing(&events, &Events::Editing);
  Hub()->ConnectToCreateRequested(&events, &Events::Text);
  Hub()->ConnectToProgramOptionsChanged(&events, &Events::Application);
  BroadcastDocumentOpening();
  BroadcastItemSelected(nullptr);
  BroadcastItemEditing(nullptr);
  BroadcastCreateRequested(L"Beam");
  BroadcastProgramOptionsChanged(nullptr);
  Hub()->DisconnectFromDocumentOpening(&events, &Events::Plain);
  Hub()->DisconnectFromItemSelected(&events, &Events::Selected);
  Hub()->DisconnectFromItemEditing(&events, &Events::Editing);
  Hub()->DisconnectFromCreateRequested(&events, &Events::Text);
  Hub()->DisconnectFromProgramOptionsChanged(&events, &Events::Application);
  EXPECT_EQ((std::vector<std::string>{"opening", "selected", "editing", "Beam", "application"}),
            events.calls);
}

}  // namespace
}  // namespace Orvanta
