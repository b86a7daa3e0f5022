#include "orvanta/messages/Broadcast.hpp"

#include <iostream>

#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/WideStreams.hpp"

namespace Orvanta {
namespace {

Signals::SignalManager& Hub() { return *Signals::SignalManager::Instance(); }

template <class Text>
void BroadcastLeaf(const Text& text, Message::SeverityType severity, bool flag) {
  Hub().Broadcast(new LeafMessage(text, severity), flag);
}

void Log(const std::string& text) { std::clog << text << std::endl; }
void Log(const std::wstring& text) {
  UseUtf8WideStandardStream(std::wclog);
  std::wclog << text << std::endl;
}

}  // namespace

void BroadcastInformationMessage(const std::string& text, bool flag) {
  BroadcastLeaf(text, Message::Information, flag);
}
void BroadcastInformationMessage(const std::wstring& text, bool flag) {
  BroadcastLeaf(text, Message::Information, flag);
}
void BroadcastWarningMessage(const std::string& text, bool flag) {
  BroadcastLeaf(text, Message::Warning, flag);
}
void BroadcastWarningMessage(const std::wstring& text, bool flag) {
  BroadcastLeaf(text, Message::Warning, flag);
}
void BroadcastErrorMessage(const std::string& text, bool flag) {
  Log(text);
  BroadcastLeaf(text, Message::Error, flag);
}
void BroadcastErrorMessage(const std::wstring& text, bool flag) {
  Log(text);
  BroadcastLeaf(text, Message::Error, flag);
}
void BroadcastCriticalMessage(const std::string& text, bool flag) {
  Log(text);
  BroadcastLeaf(text, Message::Critical, flag);
}
void BroadcastCriticalMessage(const std::wstring& text, bool flag) {
  Log(text);
  BroadcastLeaf(text, Message::Critical, flag);
}
void BroadcastCompositeMessage(const std::string& text, bool flag) {
  Hub().Broadcast(new CompositeMessage(text), flag);
}
void BroadcastCompositeMessage(const std::wstring& text, bool flag) {
  Hub().Broadcast(new CompositeMessage(text), flag);
}

void BroadcastMessage(Message* message, bool flag) { Hub().Broadcast(message, flag); }
void BroadcastMessage(boost::shared_ptr<Message> message, bool flag) {
  Hub().Broadcast(std::move(message), flag);
}

void BroadcastDocumentCreated(boost::shared_ptr<const BaseDocument> document) {
  Hub().DocumentCreated(std::move(document));
}
void BroadcastDocumentOpening() { Hub().DocumentOpening(); }
void BroadcastDocumentOpened(boost::shared_ptr<const BaseDocument> document) {
  Hub().DocumentOpened(std::move(document));
}
void BroadcastDocumentClosed(boost::shared_ptr<const BaseDocument> document) {
  Hub().DocumentClosed(std::move(document));
}
void BroadcastItemCreated(boost::shared_ptr<const Item> item) {
  Hub().ItemCreated(std::move(item));
}
void BroadcastItemChanged(boost::shared_ptr<const Item> item) {
  Hub().ItemChanged(std::move(item));
}
void BroadcastItemSelected(boost::shared_ptr<const Item> item) {
  Hub().ItemSelected(std::move(item));
}
void BroadcastItemEditing(boost::shared_ptr<const Item> item) {
  Hub().ItemEditing(std::move(item));
}
void BroadcastCreateRequested(const std::wstring& type) { Hub().CreateRequested(type); }
void BroadcastVisualAppearanceChanged(const int& appearance) {
  Hub().VisualAppearanceChanged(appearance);
}
void BroadcastProgramOptionsChanged(boost::shared_ptr<const BaseApplication> application) {
  Hub().ProgramOptionsChanged(std::move(application));
}
void BroadcastWindowsMessage(unsigned int message, unsigned int wParam, long lParam) {
  Hub().WindowsMessage(message, wParam, lParam);
}

}  // namespace Orvanta
