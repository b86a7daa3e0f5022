// The names of a document's items, indexed so that a name check or a lookup
// by name costs the same however many items the document holds, and the next
// free generated name is found without trying every number from 1 again.
// Internal to the documents layer.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "orvanta/documents/Item.hpp"
#include "orvanta/documents/NameInterface.hpp"

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
  bool IsUsed(const std::wstring& name) const { return byName_.count(name) != 0; }
  // The items named `name`, in no particular order; null when there is none.
  const std::vector<ItemPtr>* Named(const std::wstring& name) const;

  // The first of item.GenerateName(1), GenerateName(2), ... that no item has.
  std::wstring FirstFreeGeneratedName(const Item& item) const;
  // The first of "<base> - Copy", "<base> - Copy (2)", ... that no item has.
  std::wstring FirstFreeCopyName(const std::wstring& base) const;

  void NameChanged(const NameInterface& named, const std::wstring& oldName) override;

 private:
  // A family of numbered names: where to start looking for a free one of each
  // base. Every number below a base's hint is in use; a freed name lowers it.
  typedef std::unordered_map<std::wstring, unsigned int> Hints;

  void Index(const ItemPtr& item, const std::wstring& name);
  void Unindex(const Item* item, const std::wstring& name);
  void Freed(const std::wstring& name);
  std::wstring CopyName(const std::wstring& base, unsigned int counter) const;

  std::unordered_map<std::wstring, std::vector<ItemPtr>> byName_;
  std::unordered_set<const Item*> held_;
  mutable Hints generatedHints_;
  mutable Hints copyHints_;
  // The copy-name texts around their placeholders: "<Name/> - Copy" and
  // "<Name/> - Copy (<Number/>)".
  std::wstring copyFirst_, copyNumbered_;
  std::wstring copySuffix_, numberedMiddle_, numberedSuffix_;
  bool canParseCopies_;
};

}  // namespace detail
}  // namespace Orvanta
