// What a document tells the objects attached to it (its edit history, its
// recovery copy), and the silent primitives through which a history puts a
// document back as it was. Internal to the documents layer.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "orvanta/documents/BaseDocument.hpp"

namespace Orvanta {
namespace detail {

// How an item came into a document, so that a history can repeat exactly
// what the operation announced.
struct Insertion {
  enum Kind { Added, Created, Duplicated, Pasted };

  Insertion() = default;
  explicit Insertion(Kind k) : kind(k) {}

  Kind kind = Added;
  const Item* source = nullptr;  // Duplicated: the item copied, unchanged yet
  std::wstring formerName;       // Pasted: the name the item came with
};

// Told by the document right after each change, before any announcement (so
// that a listener that throws cannot leave the change untold). Observers
// must not throw, and must not attach or detach while told, but from
// DocumentGone.
class DocumentObserver {
 public:
  // `item` now stands at `position`.
  virtual void Inserted(const ItemPtr& item, std::size_t position, const Insertion& how) = 0;
  // `item` stood at `position`.
  virtual void Removed(const ItemPtr& item, std::size_t position) = 0;
  // ClearItems removed `items`, which were the whole content.
  virtual void Cleared(const std::vector<ItemPtr>& items) = 0;
  // A sort put the items in their present order; `before` is the old one and
  // `textId` the sort's message (1973 by name, 1974 by type).
  virtual void Reordered(const std::vector<ItemPtr>& before, unsigned int textId) = 0;
  // DuplicateItems and RemoveItems: the operations between these two make
  // one batch. `textId` is the history's text for several of them.
  virtual void BatchBegins() = 0;
  virtual void BatchEnds(unsigned int textId) = 0;
  // Save or SaveAs wrote the document and cleared its changed flag.
  virtual void Saved() = 0;
  // Revert reads the content again, or Swap exchanges it: what is told
  // between these two is no edit. `changed`: the content may differ now.
  virtual void Replacing() = 0;
  virtual void Replaced(bool changed) = 0;
  // The document is being destroyed; it must not be used after this call.
  virtual void DocumentGone() = 0;

 protected:
  ~DocumentObserver() = default;
};

// The document's private side, for its observers.
class DocumentAccess {
 public:
  static void Attach(BaseDocument& document, DocumentObserver* observer);
  static void Detach(BaseDocument& document, DocumentObserver* observer) noexcept;
  static const std::vector<DocumentObserver*>& Observers(const BaseDocument& document) {
    return document.observers_;
  }

  // Puts `item` at `position` (at the end when past it) and indexes it; no
  // flag, no announcement. False, changing nothing, when it is held already.
  static bool Insert(BaseDocument& document, const ItemPtr& item, std::size_t position);
  // Takes `item` out (looked for at `position` first); false when not held.
  static bool Remove(BaseDocument& document, const ItemPtr& item, std::size_t position);
  // Makes `items` the whole content, indexed afresh.
  static void Replace(BaseDocument& document, const std::vector<ItemPtr>& items);
  // Puts the held items in the order of `order`, which holds the same items.
  static void Reorder(BaseDocument& document, const std::vector<ItemPtr>& order);
  // Binds the document to `path`.
  static void Bind(BaseDocument& document, const wpath& path) { document.path_ = path; }

  // As the document's own operations announce and word their texts.
  static void Announce(const BaseDocument& document, const std::wstring& text) {
    document.Announce(text);
  }
  static std::wstring ItemText(unsigned int id, const Item& item) {
    return BaseDocument::ItemText(id, item);
  }
};

}  // namespace detail
}  // namespace Orvanta
