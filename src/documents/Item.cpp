#include "orvanta/documents/Item.hpp"

#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/LibraryText.hpp"

namespace Orvanta {

Item::Item() : locked_(false) {}

Item::Item(const std::wstring& name, const std::wstring& notes)
    : NameInterface(name), NotesInterface(notes), locked_(false) {}

Item::Item(const Item& other)
    : TypeInterface(other),
      BitmapInterface(other),
      NameInterface(other),
      NotesInterface(other),
      DragDropInterface(other),
      BaseCloneable<Item>(other),
      BaseVisitable<int>(other),
      ValidationInterface(other),
      Component<Item>(other),
      boost::enable_shared_from_this<Item>(),
      locked_(other.locked_) {}

Item& Item::operator=(const Item& other) {
  NameInterface::operator=(other);
  NotesInterface::operator=(other);
  locked_ = other.locked_;
  return *this;
}

Item::~Item() = default;

void Item::Swap(Item& other) {
  NameInterface::Swap(other);
  NotesInterface::Swap(other);
}

std::wstring Item::Breadcrumb() const { return LibraryText(1962); }

std::wstring Item::DefaultName() const { return NameStem(); }

std::wstring Item::GenerateName(unsigned int n) const {
  return DefaultName() + L" " + std::to_wstring(n);
}

void Item::SignalItemChanged() const {
  Signals::SignalManager::Instance()->ItemChanged(shared_from_this());
}

void Item::SignalItemSelected() const {
  Signals::SignalManager::Instance()->ItemSelected(shared_from_this());
}

}  // namespace Orvanta
