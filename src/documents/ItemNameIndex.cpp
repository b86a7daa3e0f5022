#include "ItemNameIndex.hpp"

#include <algorithm>

#include "orvanta/platform/LibraryText.hpp"

namespace Orvanta {
namespace detail {
namespace {

typedef std::unordered_map<std::wstring, FreeNumbers> Families;

void Mark(Families& families, const std::wstring& base, unsigned int number, bool used) {
  if (used) {
    families[base].Take(number);
    return;
  }
  const auto found = families.find(base);
  if (found == families.end()) return;
  found->second.Free(number);
  if (found->second.IsEmpty()) families.erase(found);
}

unsigned int FirstFree(const Families& families, const std::wstring& base) {
  const auto found = families.find(base);
  return found != families.end() ? found->second.FirstFree() : 1u;
}

}  // namespace

ItemNameIndex::ItemNameIndex()
    : generated_(L"<Name/> <Number/>"),
      copy_first_(LibraryText(1929)),
      copy_numbered_(LibraryText(1930)) {}

ItemNameIndex::~ItemNameIndex() { Clear(); }

void ItemNameIndex::Add(const ItemPtr& item) {
  held_.insert(item.get());
  Index(item, item->Name());
  item->Watch(this);
}

void ItemNameIndex::Remove(const ItemPtr& item) {
  if (held_.erase(item.get()) == 0) return;
  item->Unwatch(this);
  Unindex(item.get(), item->Name());
}

void ItemNameIndex::Clear() {
  for (const auto& entry : by_name_)
    for (const ItemPtr& item : entry.second) item->Unwatch(this);
  by_name_.clear();
  held_.clear();
  generated_numbers_.clear();
  copy_numbers_.clear();
}

const std::vector<ItemPtr>* ItemNameIndex::Named(const std::wstring& name) const {
  const auto found = by_name_.find(name);
  return found == by_name_.end() ? nullptr : &found->second;
}

std::wstring ItemNameIndex::FirstFreeGeneratedName(const Item& item) const {
  const std::wstring stem = item.DefaultName();
  if (generated_.Reverses(stem)) return item.GenerateName(FirstFree(generated_numbers_, stem));
  // A stem holding "<Number/>": its names are not followed; every number is tried.
  unsigned int n = 1;
  std::wstring name = item.GenerateName(n);
  while (IsUsed(name)) name = item.GenerateName(++n);
  return name;
}

std::wstring ItemNameIndex::CopyName(const std::wstring& base, unsigned int counter) const {
  return counter == 1 ? copy_first_.Format(base, 1) : copy_numbered_.Format(base, counter);
}

std::wstring ItemNameIndex::FirstFreeCopyName(const std::wstring& base) const {
  if (copy_first_.Reverses(base) && copy_numbered_.Reverses(base))
    return CopyName(base, FirstFree(copy_numbers_, base));
  // A base holding "<Number/>": the counter fills the base's own placeholder
  // (placeholders are filled first occurrence first), and such copy names are
  // not followed; every counter is tried.
  unsigned int counter = 1;
  std::wstring name = CopyName(base, counter);
  while (IsUsed(name)) name = CopyName(base, ++counter);
  return name;
}

void ItemNameIndex::NameChanged(const NameInterface& named, const std::wstring& oldName) {
  // Only items are watched, and Item derives from NameInterface.
  const Item* item = static_cast<const Item*>(&named);
  const auto entry = by_name_.find(oldName);
  if (entry == by_name_.end()) return;
  const auto found = std::find_if(entry->second.begin(), entry->second.end(),
                                  [item](const ItemPtr& p) { return p.get() == item; });
  if (found == entry->second.end()) return;
  const ItemPtr keep = *found;
  Unindex(item, oldName);
  Index(keep, keep->Name());
}

void ItemNameIndex::Index(const ItemPtr& item, const std::wstring& name) {
  std::vector<ItemPtr>& items = by_name_[name];
  items.push_back(item);
  if (items.size() == 1) Follow(name, true);
}

void ItemNameIndex::Unindex(const Item* item, const std::wstring& name) {
  const auto entry = by_name_.find(name);
  if (entry == by_name_.end()) return;
  std::vector<ItemPtr>& items = entry->second;
  items.erase(std::remove_if(items.begin(), items.end(),
                             [item](const ItemPtr& p) { return p.get() == item; }),
              items.end());
  if (items.empty()) {
    by_name_.erase(entry);
    Follow(name, false);
  }
}

void ItemNameIndex::Follow(const std::wstring& name, bool used) {
  // A name is the candidate for one number of at most one family of each
  // kind; numbers that the searches never try (0, and 1 of the numbered
  // copies, which is the plain copy name) are not kept.
  std::wstring base;
  unsigned int number = 0;
  if (generated_.Parse(name, base, number) && number >= 1)
    Mark(generated_numbers_, base, number, used);
  if (copy_first_.Parse(name, base, number)) Mark(copy_numbers_, base, 1, used);
  if (copy_numbered_.Parse(name, base, number) && number >= 2)
    Mark(copy_numbers_, base, number, used);
}

}  // namespace detail
}  // namespace Orvanta
