// Writes down, in order, what the signal hub announces while it lives, and
// answers the message boxes:
//   a broadcast message    its text, then each leaf of a composite as "  <text>"
//   an item signal         "[created] <name>", "[added]", "[removed]",
//                          "[destroyed]", "[changed]"
//   a document signal      "[created]", "[opened]", "[saved]", "[closed]"
//   a message box          "? <caption>: <text>", answered from `answers`,
//                          then with `otherwise`
// A message that still holds a placeholder of the string table ("<Path/>")
// fails the test: its caller did not fill it.
#pragma once

#include <gtest/gtest.h>

#include <boost/shared_ptr.hpp>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "orvanta/documents/Item.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace testing {

typedef std::vector<std::string> Entries;

class HubJournal {
 public:
  HubJournal() {
    Hub().ConnectToBroadcast(this, &HubJournal::OnMessage);
    Hub().ConnectToItemCreated(this, &HubJournal::OnItem<0>);
    Hub().ConnectToItemAdded(this, &HubJournal::OnItem<1>);
    Hub().ConnectToItemRemoved(this, &HubJournal::OnItem<2>);
    Hub().ConnectToItemDestroyed(this, &HubJournal::OnItem<3>);
    Hub().ConnectToItemChanged(this, &HubJournal::OnItem<4>);
    Hub().ConnectToDocumentCreated(this, &HubJournal::OnDocument<0>);
    Hub().ConnectToDocumentOpened(this, &HubJournal::OnDocument<1>);
    Hub().ConnectToDocumentSaved(this, &HubJournal::OnDocument<2>);
    Hub().ConnectToDocumentClosed(this, &HubJournal::OnDocument<3>);
    previous_box_ = SetMessageBoxHandler(
        [this](const std::wstring& text, const std::wstring& caption, unsigned int) {
          entries.push_back("? " + wstring_to_string(caption) + ": " + wstring_to_string(text));
          if (answers.empty()) return otherwise;
          const int answer = answers.front();
          answers.erase(answers.begin());
          return answer;
        });
  }
  ~HubJournal() {
    Hub().DisconnectFromBroadcast(this, &HubJournal::OnMessage);
    Hub().DisconnectFromItemCreated(this, &HubJournal::OnItem<0>);
    Hub().DisconnectFromItemAdded(this, &HubJournal::OnItem<1>);
    Hub().DisconnectFromItemRemoved(this, &HubJournal::OnItem<2>);
    Hub().DisconnectFromItemDestroyed(this, &HubJournal::OnItem<3>);
    Hub().DisconnectFromItemChanged(this, &HubJournal::OnItem<4>);
    Hub().DisconnectFromDocumentCreated(this, &HubJournal::OnDocument<0>);
    Hub().DisconnectFromDocumentOpened(this, &HubJournal::OnDocument<1>);
    Hub().DisconnectFromDocumentSaved(this, &HubJournal::OnDocument<2>);
    Hub().DisconnectFromDocumentClosed(this, &HubJournal::OnDocument<3>);
    SetMessageBoxHandler(previous_box_);
  }
  HubJournal(const HubJournal&) = delete;
  HubJournal& operator=(const HubJournal&) = delete;

  // The entries so far, which are forgotten.
  Entries Take() {
    messages.clear();
    return std::exchange(entries, Entries());
  }

  Entries entries;
  // Each broadcast message with its flag.
  std::vector<std::pair<boost::shared_ptr<Message>, bool>> messages;
  std::vector<int> answers;
  int otherwise = AnswerCancel;

 private:
  static Signals::SignalManager& Hub() { return *Signals::SignalManager::Instance(); }

  void Write(const std::wstring& wide, const std::string& indent) {
    const std::string text = wstring_to_string(wide);
    static const std::regex placeholder("<[A-Z][A-Za-z]*/>");
    if (std::regex_search(text, placeholder))
      ADD_FAILURE() << "a placeholder left unfilled: " << text;
    entries.push_back(indent + text);
  }
  void OnMessage(boost::shared_ptr<Message> message, bool flag) {
    messages.emplace_back(message, flag);
    Write(message->Text(), "");
    if (const CompositeMessage* composite = message->GetComposite())
      for (const auto& leaf : composite->Children()) Write(leaf->Text(), "  ");
  }
  template <int Signal>
  void OnItem(Signals::ConstItemPtr item) {
    static const char* const what[] = {"[created] ", "[added] ", "[removed] ", "[destroyed] ",
                                       "[changed] "};
    entries.push_back(what[Signal] + (item ? wstring_to_string(item->Name()) : "(none)"));
  }
  template <int Signal>
  void OnDocument(Signals::ConstBaseDocumentPtr) {
    static const char* const what[] = {"[created]", "[opened]", "[saved]", "[closed]"};
    entries.push_back(what[Signal]);
  }

  MessageBoxHandler previous_box_;
};

}  // namespace testing
}  // namespace Orvanta
