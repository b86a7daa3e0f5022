#include "orvanta/messages/Message.hpp"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <utility>

#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {

Message::Message(const std::wstring& text)
    : text_(text), read_(false), timestamp_(boost::posix_time::second_clock::local_time()) {}

Message::Message(const std::string& text) : Message(string_to_wstring(text)) {}

Message::Message(const Message& other) = default;
Message::~Message() = default;

void Message::InsertComponent(boost::shared_ptr<Message>) {}
void Message::RemoveComponent(boost::shared_ptr<Message>) {}
bool Message::IsComposite() const { return GetComposite() != nullptr; }
bool Message::FindComponent(boost::shared_ptr<Message>) const { return false; }
void Message::ClearComponents() {}
const CompositeMessage* Message::GetComposite() const { return nullptr; }
CompositeMessage* Message::GetComposite() { return nullptr; }

std::wstring Message::ReadableTimestamp() const {
  return boost::posix_time::to_simple_wstring(timestamp_);
}

std::wstring Message::TimestampedText() const { return L"[" + ReadableTimestamp() + L"] " + text_; }

bool Message::operator==(const Message& other) const {
  return text_ == other.text_ && timestamp_ == other.timestamp_;
}

BitmapResource Message::Bitmap() const {
  return BitmapResource(1568 + static_cast<unsigned int>(Severity()), OrvantaDLL::Instance());
}

void Message::Swap(Message& other) noexcept {
  using std::swap;
  swap(text_, other.text_);
  swap(read_, other.read_);
  swap(timestamp_, other.timestamp_);
}

LeafMessage::LeafMessage(const std::wstring& text, SeverityType severity)
    : Message(text), severity_(severity) {}
LeafMessage::LeafMessage(const std::string& text, SeverityType severity)
    : Message(text), severity_(severity) {}
LeafMessage::LeafMessage(const LeafMessage& other) = default;
LeafMessage::~LeafMessage() = default;

LeafMessage* LeafMessage::Clone() const { return new LeafMessage(*this); }

void LeafMessage::ResetSeverity(SeverityType severity) { severity_ = severity; }

void LeafMessage::Swap(LeafMessage& other) noexcept {
  Message::Swap(other);
  std::swap(severity_, other.severity_);
}

}  // namespace Orvanta
