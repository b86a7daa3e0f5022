// Writes down, in order, what the signal hub announces while it lives, and
// answers the message boxes:
//   a broadcast message    its text, then each leaf of a composite as "  <text>"
//   an item signal         "[created] <name>", "[added]", "[removed]",
//                          "[destroyed]", "[changed]"
//   a document signal      "[created]", "[opened]", "[saved]", "[closed]"
//   a message box          "? <caption>: <text>", answered from `answers`,
//                          then with `otherwise`
// A message that still holds a placeholder of the string table ("<Path/>")
// fails the test: its caller did not fill it. Tests whose own names look like
// placeholders set `placeholdersAllowed`.
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
    Hub().ConnectToItemCreated(this, &HubJournal::OnItemCreated);
    Hub().ConnectToItemAdded(this, &HubJournal::OnItemAdded);
    Hub().ConnectToItemRemoved(this, &HubJournal::OnItemRemoved);
    Hub().ConnectToItemDestroyed(this, &HubJournal::OnItemDestroyed);
    Hub().ConnectToItemChanged(this, &HubJournal::OnItemChanged);
    Hub().ConnectToDocumentCreated(this, &HubJournal::OnCreated);
    Hub().ConnectToDocumentOpened(this, &HubJournal::OnOpened);
    Hub().ConnectToDocumentSaved(this, &HubJournal::OnSaved);
    Hub().ConnectToDocumentClosed(this, &HubJournal::OnClosed);
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
    Hub().DisconnectFromItemCreated(this, &HubJournal::OnItemCreated);
    Hub().DisconnectFromItemAdded(this, &HubJournal::OnItemAdded);
    Hub().DisconnectFromItemRemoved(this, &HubJournal::OnItemRemoved);
    Hub().DisconnectFromItemDestroyed(this, &HubJournal::OnItemDestroyed);
    Hub().DisconnectFromItemChanged(this, &HubJournal::OnItemChanged);
    Hub().DisconnectFromDocumentCreated(this, &HubJournal::OnCreated);
    Hub().DisconnectFromDocumentOpened(this, &HubJournal::OnOpened);
    Hub().DisconnectFromDocumentSaved(this, &HubJournal::OnSaved);
    Hub().DisconnectFromDocumentClosed(this, &HubJournal::OnClosed);
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
  bool placeholdersAllowed = false;

 private:
  static Signals::SignalManager& Hub() { return *Signals::SignalManager::Instance(); }

  void Write(const std::wstring& wide, const std::string& indent) {
    const std::string text = wstring_to_string(wide);
    static const std::regex placeholder("<[A-Z][A-Za-z]*/>");
    if (!placeholdersAllowed && std::regex_search(text, placeholder))
      ADD_FAILURE() << "a placeholder left unfilled: " << text;
    entries.push_back(indent + text);
  }
  void OnMessage(boost::shared_ptr<Message> message, bool flag) {
    messages.emplace_back(message, flag);
    Write(message->Text(), "");
    if (const CompositeMessage* composite = message->GetComposite())
      for (const auto& leaf : composite->Children()) Write(leaf->Text(), "  ");
  }
  void Note(const char* what, const Signals::ConstItemPtr& item) {
    entries.push_back(std::string(what) + " " +
                      (item ? wstring_to_string(item->Name()) : std::string("(none)")));
  }
  void OnItemCreated(Signals::ConstItemPtr item) { Note("[created]", item); }
  void OnItemAdded(Signals::ConstItemPtr item) { Note("[added]", item); }
  void OnItemRemoved(Signals::ConstItemPtr item) { Note("[removed]", item); }
  void OnItemDestroyed(Signals::ConstItemPtr item) { Note("[destroyed]", item); }
  void OnItemChanged(Signals::ConstItemPtr item) { Note("[changed]", item); }
  void OnCreated(Signals::ConstBaseDocumentPtr) { entries.push_back("[created]"); }
  void OnOpened(Signals::ConstBaseDocumentPtr) { entries.push_back("[opened]"); }
  void OnSaved(Signals::ConstBaseDocumentPtr) { entries.push_back("[saved]"); }
  void OnClosed(Signals::ConstBaseDocumentPtr) { entries.push_back("[closed]"); }

  MessageBoxHandler previous_box_;
};

}  // namespace testing
}  // namespace Orvanta
