#include "orvanta/messages/CompositeMessage.hpp"

namespace Orvanta {

CompositeMessage::CompositeMessage(const std::wstring& text) : Message(text) {}
CompositeMessage::CompositeMessage(const std::string& text) : Message(text) {}

CompositeMessage::CompositeMessage(const CompositeMessage& other) : Message(other) {
  for (const Child& child : other.children_) InsertComponent(child);
}

CompositeMessage& CompositeMessage::operator=(const CompositeMessage& other) {
  return AssignByCopyAndSwap(other);
}

CompositeMessage::~CompositeMessage() = default;

CompositeMessage* CompositeMessage::Clone() const { return CloneByCopy(); }

namespace {

// Null children (insertion does not refuse them) rank below every severity.
int Rank(const CompositeMessage::Child& child) { return child ? child->Severity() : -1; }

}  // namespace

Message::SeverityType CompositeMessage::Severity() const {
  const Child highest =
      MaxElement([](const Child& a, const Child& b) { return Rank(a) < Rank(b); });
  return highest ? highest->Severity() : Information;
}

void CompositeMessage::InsertComponent(Child child) { children_.push_back(std::move(child)); }

void CompositeMessage::InsertLeaf(LeafMessage* leaf) { InsertComponent(Child(leaf)); }

void CompositeMessage::RemoveComponent(Child child) {
  RemoveChildMessageIf([&child](const Child& c) { return c == child; });
}

bool CompositeMessage::FindComponent(Child child) const {
  return FindChildMessageIf([&child](const Child& c) { return c == child; }) != nullptr;
}

void CompositeMessage::ClearComponents() { children_.clear(); }

bool CompositeMessage::HasChildWithSeverity(SeverityType severity) const {
  return FindChildMessageIf([severity](const Child& c) { return Rank(c) == severity; }) != nullptr;
}

void CompositeMessage::Swap(CompositeMessage& other) noexcept {
  Message::Swap(other);
  children_.swap(other.children_);
}

}  // namespace Orvanta
