#include "ItemNameIndex.hpp"

#include <algorithm>

#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/platform/internal/DecimalNumbers.hpp"

namespace Orvanta {
namespace detail {
namespace {

// The number text[begin, end), written as the library writes numbers
// (decimal, no sign, no leading zero); false if it is not one.
bool ParseNumber(const std::wstring& text, std::size_t begin, std::size_t end,
                 unsigned int& number) {
  const wchar_t* const last = text.data() + end;
  return begin < end && (text[begin] != L'0' || end - begin == 1) &&
         decimal::ReadUnsigned(text.data() + begin, last, number) == last;
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void Lower(std::unordered_map<std::wstring, unsigned int>& hints, const std::wstring& base,
           unsigned int number) {
  const auto found = hints.find(base);
  if (found != hints.end() && number < found->second) found->second = number;
}

}  // namespace

ItemNameIndex::ItemNameIndex()
    : copyFirst_(OrvantaDLL::Instance()->LoadStringW(1929)),
      copyNumbered_(OrvantaDLL::Instance()->LoadStringW(1930)),
      canParseCopies_(false) {
  // Freed copy names are recognised only when both texts start with the name.
  const std::wstring name = L"<Name/>", number = L"<Number/>";
  const std::size_t at = copyNumbered_.find(number);
  if (copyFirst_.compare(0, name.size(), name) == 0 &&
      copyNumbered_.compare(0, name.size(), name) == 0 && at != std::wstring::npos &&
      copyFirst_.find(name, name.size()) == std::wstring::npos) {
    copySuffix_ = copyFirst_.substr(name.size());
    numberedMiddle_ = copyNumbered_.substr(name.size(), at - name.size());
    numberedSuffix_ = copyNumbered_.substr(at + number.size());
    canParseCopies_ = numberedMiddle_.find(L"<") == std::wstring::npos &&
                      numberedSuffix_.find(L"<") == std::wstring::npos;
  }
}

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
  for (const auto& entry : byName_)
    for (const ItemPtr& item : entry.second) item->Unwatch(this);
  byName_.clear();
  held_.clear();
  generatedHints_.clear();
  copyHints_.clear();
}

const std::vector<ItemPtr>* ItemNameIndex::Named(const std::wstring& name) const {
  const auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : &found->second;
}

std::wstring ItemNameIndex::FirstFreeGeneratedName(const Item& item) const {
  unsigned int& hint = generatedHints_.emplace(item.DefaultName(), 1u).first->second;
  unsigned int n = std::max(hint, 1u);
  std::wstring name = item.GenerateName(n);
  while (IsUsed(name)) name = item.GenerateName(++n);
  hint = n;
  return name;
}

std::wstring ItemNameIndex::CopyName(const std::wstring& base, unsigned int counter) const {
  std::wstring name = counter == 1 ? copyFirst_ : copyNumbered_;
  ReplaceTag(name, L"<Name/>", base);
  if (counter != 1) ReplaceTag(name, L"<Number/>", std::to_wstring(counter));
  return name;
}

std::wstring ItemNameIndex::FirstFreeCopyName(const std::wstring& base) const {
  // Placeholders are filled one at a time, first occurrence first: in a base
  // holding "<Number/>" the counter replaces the base's own placeholder, and
  // such copy names cannot be parsed back when freed. Those bases are
  // searched from 1 every time, without a hint.
  unsigned int* const hint = canParseCopies_ && base.find(L"<Number/>") == std::wstring::npos
                                 ? &copyHints_.emplace(base, 1u).first->second
                                 : nullptr;
  unsigned int counter = hint != nullptr ? std::max(*hint, 1u) : 1u;
  std::wstring name = CopyName(base, counter);
  while (IsUsed(name)) name = CopyName(base, ++counter);
  if (hint != nullptr) *hint = counter;
  return name;
}

void ItemNameIndex::NameChanged(const NameInterface& named, const std::wstring& oldName) {
  // Only items are watched, and Item derives from NameInterface.
  const Item* item = static_cast<const Item*>(&named);
  const auto entry = byName_.find(oldName);
  if (entry == byName_.end()) return;
  const auto found = std::find_if(entry->second.begin(), entry->second.end(),
                                  [item](const ItemPtr& p) { return p.get() == item; });
  if (found == entry->second.end()) return;
  const ItemPtr keep = *found;
  Unindex(item, oldName);
  Index(keep, keep->Name());
}

void ItemNameIndex::Index(const ItemPtr& item, const std::wstring& name) {
  byName_[name].push_back(item);
}

void ItemNameIndex::Unindex(const Item* item, const std::wstring& name) {
  const auto entry = byName_.find(name);
  if (entry == byName_.end()) return;
  std::vector<ItemPtr>& items = entry->second;
  items.erase(std::remove_if(items.begin(), items.end(),
                             [item](const ItemPtr& p) { return p.get() == item; }),
              items.end());
  if (items.empty()) {
    byName_.erase(entry);
    Freed(name);
  }
}

void ItemNameIndex::Freed(const std::wstring& name) {
  unsigned int number = 0;
  const std::size_t space = name.rfind(L' ');
  if (space != std::wstring::npos && ParseNumber(name, space + 1, name.size(), number))
    Lower(generatedHints_, name.substr(0, space), number);
  if (!canParseCopies_) return;
  if (EndsWith(name, copySuffix_))
    Lower(copyHints_, name.substr(0, name.size() - copySuffix_.size()), 1);
  if (EndsWith(name, numberedSuffix_)) {
    const std::size_t end = name.size() - numberedSuffix_.size();
    const std::size_t middle = end >= numberedMiddle_.size()
                                   ? name.rfind(numberedMiddle_, end - numberedMiddle_.size())
                                   : std::wstring::npos;
    if (middle != std::wstring::npos &&
        ParseNumber(name, middle + numberedMiddle_.size(), end, number))
      Lower(copyHints_, name.substr(0, middle), number);
  }
}

}  // namespace detail
}  // namespace Orvanta
