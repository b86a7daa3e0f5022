#include "orvanta/documents/ItemFactory.hpp"

#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/platform/Error.hpp"

namespace Orvanta {

ItemFactory::ItemFactory() = default;
ItemFactory::~ItemFactory() = default;

ItemFactory& ItemFactory::Instance() {
  static ItemFactory factory;
  return factory;
}

void ItemFactory::Add(boost::shared_ptr<Item> prototype, const std::wstring& id) {
  const std::wstring used = id.empty() ? prototype->Type() : id;
  if (!Register(prototype, used)) {
    Error error(OrvantaDLL::Instance()->LoadStringW(2044));
    error.Replace(L"<Name/>", prototype->Name());
    error.Replace(L"<Type/>", prototype->Type());
    error.Replace(L"<id/>", used);
    throw error;
  }
}

void ItemFactory::Add(Item* prototype, const std::wstring& id) {
  Add(boost::shared_ptr<Item>(prototype), id);
}

ItemPtr ItemFactory::Create(const std::wstring& id) const {
  const Prototype prototype = Find(id);
  if (!prototype) {
    Error error(OrvantaDLL::Instance()->LoadStringW(1901));
    error.Replace(L"<Id/>", id);
    throw error;
  }
  return ItemPtr(prototype->Clone());
}

}  // namespace Orvanta
