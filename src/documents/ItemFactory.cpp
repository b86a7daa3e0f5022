#include "orvanta/documents/ItemFactory.hpp"

#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/LibraryText.hpp"

namespace Orvanta {

ItemFactory::ItemFactory() = default;
ItemFactory::~ItemFactory() = default;

ItemFactory& ItemFactory::Instance() {
  static ItemFactory factory;
  return factory;
}

void ItemFactory::Add(boost::shared_ptr<Item> prototype, const std::wstring& id) {
  const std::wstring used = id.empty() ? prototype->Type() : id;
  if (!Register(prototype, used))
    throw Error(LibraryText(
        2044,
        {{L"<Name/>", prototype->Name()}, {L"<Type/>", prototype->Type()}, {L"<id/>", used}}));
}

void ItemFactory::Add(Item* prototype, const std::wstring& id) {
  Add(boost::shared_ptr<Item>(prototype), id);
}

ItemPtr ItemFactory::Create(const std::wstring& id) const {
  const Prototype prototype = Find(id);
  if (!prototype) throw Error(LibraryText(1901, {{L"<Id/>", id}}));
  return ItemPtr(prototype->Clone());
}

}  // namespace Orvanta
