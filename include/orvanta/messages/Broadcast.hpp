// The broadcast functions: a text becomes a message of the right severity and
// goes out on the signal hub, or an event is forwarded to the hub, so that
// callers need neither the message classes nor the hub.
//
//   Orvanta::BroadcastInformationMessage(L"A new project has been created");
//   Orvanta::BroadcastErrorMessage("Disk full");  // also on std::clog first
//
// Narrow texts are UTF-8. The flag is handed to every listener unchanged.
#pragma once

#include <string>

#include <boost/shared_ptr.hpp>

#include "orvanta/messages/Message.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class Item;
class BaseDocument;
class BaseApplication;

ORVANTA_API void BroadcastInformationMessage(const std::string& text, bool flag = false);
ORVANTA_API void BroadcastInformationMessage(const std::wstring& text, bool flag = false);
ORVANTA_API void BroadcastWarningMessage(const std::string& text, bool flag = false);
ORVANTA_API void BroadcastWarningMessage(const std::wstring& text, bool flag = false);
// Errors and critical messages are first written, with an end of line, to
// std::clog (narrow) or std::wclog (wide: unless std::wclog itself was
// redirected, as UTF-8 into wherever std::clog writes at that moment).
ORVANTA_API void BroadcastErrorMessage(const std::string& text, bool flag = false);
ORVANTA_API void BroadcastErrorMessage(const std::wstring& text, bool flag = false);
ORVANTA_API void BroadcastCriticalMessage(const std::string& text, bool flag = false);
ORVANTA_API void BroadcastCriticalMessage(const std::wstring& text, bool flag = false);
// A composite message without children.
ORVANTA_API void BroadcastCompositeMessage(const std::string& text, bool flag = false);
ORVANTA_API void BroadcastCompositeMessage(const std::wstring& text, bool flag = false);

// Hands `message` to the hub, which owns it from then on.
ORVANTA_API void BroadcastMessage(Message* message, bool flag = false);
ORVANTA_API void BroadcastMessage(boost::shared_ptr<Message> message, bool flag = false);

ORVANTA_API void BroadcastDocumentCreated(boost::shared_ptr<const BaseDocument> document);
ORVANTA_API void BroadcastDocumentOpening();
ORVANTA_API void BroadcastDocumentOpened(boost::shared_ptr<const BaseDocument> document);
ORVANTA_API void BroadcastDocumentClosed(boost::shared_ptr<const BaseDocument> document);
ORVANTA_API void BroadcastItemCreated(boost::shared_ptr<const Item> item);
ORVANTA_API void BroadcastItemChanged(boost::shared_ptr<const Item> item);
ORVANTA_API void BroadcastItemSelected(boost::shared_ptr<const Item> item);
ORVANTA_API void BroadcastItemEditing(boost::shared_ptr<const Item> item);
ORVANTA_API void BroadcastCreateRequested(const std::wstring& type);
ORVANTA_API void BroadcastVisualAppearanceChanged(const int& appearance);
ORVANTA_API void BroadcastProgramOptionsChanged(
    boost::shared_ptr<const BaseApplication> application);
ORVANTA_API void BroadcastWindowsMessage(unsigned int message, unsigned int wParam, long lParam);

}  // namespace Orvanta
