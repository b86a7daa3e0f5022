// ItemFactory: the process-wide registry of item prototypes. A host registers
// one prototype per item class at start-up and makes new items by id.
//
//   Orvanta::ItemFactory::Instance().Add(new Beam, L"");   // id "Beam", its Type()
//   Orvanta::ItemPtr beam = Orvanta::ItemFactory::Instance().Create(L"Beam");
#pragma once

#include <map>
#include <string>

#include <boost/shared_ptr.hpp>

#include "orvanta/documents/Item.hpp"
#include "orvanta/documents/PrototypeFactory.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API ItemFactory
    : public PrototypeFactory<Item, std::map<std::wstring, boost::shared_ptr<Item>>> {
 public:
  // The one factory, made on first use and destroyed at exit. Takes no lock.
  static ItemFactory& Instance();

  ItemFactory(const ItemFactory&) = delete;
  ItemFactory& operator=(const ItemFactory&) = delete;

  // Registers `prototype` (not null) under `id`, or under its Type() when `id`
  // is empty. Throws Error with string-table text 2044 when the id is taken;
  // the first registration stays.
  void Add(boost::shared_ptr<Item> prototype, const std::wstring& id);
  // Takes ownership of `prototype`, then as above.
  void Add(Item* prototype, const std::wstring& id);

  // A new item: a Clone() of the prototype registered under `id`. Throws Error
  // with string-table text 1901 for an unknown id.
  ItemPtr Create(const std::wstring& id) const;

 private:
  ItemFactory();
  ~ItemFactory();
};

}  // namespace Orvanta
