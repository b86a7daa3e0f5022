// The names of a document's items, indexed so that a name check or a lookup
// by name costs the same however many items the document holds, and the next
// free generated name or copy name is known from the numbers in use instead
// of trying every number from 1 again. Internal to the documents layer.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "orvanta/documents/Item.hpp"
#include "orvanta/documents/NameInterface.hpp"
#include "orvanta/documents/internal/FreeNumbers.hpp"
#include "orvanta/documents/internal/NumberedNameFormat.hpp"

namespace Orvanta {
namespace detail {

class ItemNameIndex final : public NameInterface::Watcher {
 public:
  ItemNameIndex();
  ~ItemNameIndex();
  ItemNameIndex(const ItemNameIndex&) = delete;
  ItemNameIndex& operator=(const ItemNameIndex&) = delete;

  // Indexes `item` and follows its renames until Remove or Clear.
  void Add(const ItemPtr& item);
  void Remove(const ItemPtr& item);
  void Clear();

  bool Holds(const Item* item) const { return held_.count(item) != 0; }
  bool IsUsed(const std::wstring& name) const { return by_name_.count(name) != 0; }
  // The items named `name`, in no particular order; null when there is none.
  const std::vector<ItemPtr>* Named(const std::wstring& name) const;

  // The first of item.GenerateName(1), GenerateName(2), ... that no item has.
  std::wstring FirstFreeGeneratedName(const Item& item) const;
  // The first of "<base> - Copy", "<base> - Copy (2)", ... that no item has.
  std::wstring FirstFreeCopyName(const std::wstring& base) const;

  void NameChanged(const NameInterface& named, const std::wstring& oldName) override;

 private:
  // The numbers taken in each family of numbered names, by its stem or base.
  typedef std::unordered_map<std::wstring, FreeNumbers> Families;

  void Index(const ItemPtr& item, const std::wstring& name);
  void Unindex(const Item* item, const std::wstring& name);
  // A name has come into use, or gone out of it: the numbers of the families
  // it belongs to follow.
  void Follow(const std::wstring& name, bool used);
  std::wstring CopyName(const std::wstring& base, unsigned int counter) const;

  std::unordered_map<std::wstring, std::vector<ItemPtr>> by_name_;
  std::unordered_set<const Item*> held_;
  // "<stem> <n>" as Item::GenerateName writes it (for every stem that Reverses),
  // "<Name/> - Copy" and "<Name/> - Copy (<Number/>)".
  NumberedNameFormat generated_, copy_first_, copy_numbered_;
  Families generated_numbers_, copy_numbers_;
};

}  // namespace detail
}  // namespace Orvanta
