// EditHistory: undo and redo of a document's edits.
//
//   Orvanta::EditHistory history(*project);    // records from now on
//   auto wall = boost::static_pointer_cast<Wall>(project->Create(wallPrototype));  // "Wall 1"
//   history.Change(wall, L"Width", [&] { wall->SetWidth(w); });
//   history.UndoText();                        // "Undo Change Width of 'Wall 1'"
//   history.Undo();                            // the width is back
//   history.Redo();
//   {
//     Orvanta::EditHistory::Group paste(history, L"Paste 3 items");
//     for (auto& item : clipboard) project->PasteItem(item);
//   }                                          // one step
//
// What is recorded. From its construction the history hears the document's
// own operations: Create, AddItem, DuplicateItem, DuplicateItems, PasteItem,
// RemoveItem, RemoveItems, ClearItems (unless the document was empty), the
// two sorts (when they changed the order) and the renames of the items the
// document holds (Rename, UniqueRename, Swap, assignment). DuplicateItems and
// RemoveItems make one step each. Changes to an item's own data, which only
// the host knows, go through Change; anything else through Push. A host that
// fills a document outside Revert (an import, a read of its own) should
// attach the history afterwards, or Clear it, lest the filling become steps.
//
// Undo puts the document back exactly: the same item objects (never copies)
// at the same positions under the same names. Redo puts back the same
// objects again, so that generated and copy names come out the same. Both
// raise what the operations raise, under the same notification rule (no item
// signal and no announcement while the document's notification is off):
// - redo raises what the operation raised: Create its "created" text and
//   ItemCreated, then AddItem's "added" text and ItemAdded; DuplicateItem its
//   "duplicated as" text, ItemCreated, then AddItem's; PasteItem and AddItem
//   AddItem's; RemoveItem its two texts and ItemRemoved, ItemDestroyed; a
//   sort its message (whatever the notification switch, as sorts do);
//   ClearItems and renames nothing;
// - undoing an addition raises what RemoveItem raises for the item;
//   undoing a removal raises what Create raises for it ("created",
//   ItemCreated, "added", ItemAdded), so that listeners that heard it
//   destroyed (commands holding results, views) hear it come back;
//   undoing a sort broadcasts text 3016, "The previous order of the items
//   has been restored" (whatever the notification switch); undoing ClearItems
//   or a rename raises nothing, as they did not; a pasted item leaves under
//   its pasted name and takes back its own once the signals are raised;
// - undoing or redoing a Change raises ItemChanged for its item.
// A step's edits are all undone (or redone) first; then the document's
// Refresh() is called if they added or removed items, and then what they
// raise is raised. A listener that throws ends the raising but leaves the
// document and the history in step; the exception reaches the caller.
//
// Clean state. Save and SaveAs (not SaveCopyAs) mark the present state
// clean, as does the construction of the history for a document whose
// changed flag is clear. Undo and Redo clear the document's changed flag when
// they reach the clean state and set it when they leave it. A clean state
// that was undone and then replaced by a new edit, or dropped by the depth
// limit, cannot be reached again.
//
// Revert clears the history (but when its read fails before changing the
// document), as does Swap: the steps no longer describe the content. While
// an Undo or Redo runs, operations of the document are not recorded (a host
// edit's Undo may use them); Undo and Redo called from inside one, or inside
// an open Group, do nothing.
//
// Texts. UndoText and RedoText are text 3000, "Undo <Action/>", and 3001,
// "Redo <Action/>", with the step's text, or 3002 "Undo" and 3003 "Redo" when
// there is nothing to undo or redo. Step texts: 3004 "Create '<Name/>'", 3005
// "Add '<Name/>'", 3006 "Duplicate '<Name/>'" (the source), 3007 "Duplicate
// <Number/> items", 3008 "Paste '<Name/>'" (the new name), 3009 "Remove
// '<Name/>'", 3010 "Remove <Number/> items", 3011 "Clear the items", 3012
// "Sort by name", 3013 "Sort by type", 3014 "Rename '<Name/>'" (the old
// name), 3015 "Change <Property/> of '<Name/>'". They are filled as every
// library text is (LibraryText), the item's name last, so that a name holding
// a placeholder is shown as it is.
//
// Ownership. The history refers to its document and may outlive it: when the
// document is destroyed first, the history empties and does nothing more. It
// holds the items of its steps (a removed item stays alive while a step can
// bring it back). One history per document; destroying it detaches it. It
// keeps no lock: use it on the document's thread. Listeners of Changed must
// not throw: an exception from one while the history is told of a document
// operation is dropped, so that the operation is not cut short.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include <boost/shared_ptr.hpp>

#include "orvanta/documents/BaseDocument.hpp"
#include "orvanta/documents/Item.hpp"
#include "orvanta/messages/Signal.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

namespace detail {

class HistoryRecorder;

// A copy of an item's state (EditHistory::Change), to be copied back into
// the item it was taken from.
class ORVANTA_API ItemState {
 public:
  virtual ~ItemState();
  virtual void Restore() const = 0;
  // The name the item had when the state was taken.
  virtual std::wstring Name() const = 0;
};

template <class T>
class TypedItemState final : public ItemState {
 public:
  // Throws std::invalid_argument unless `item` is a T and its Clone() a T.
  static std::unique_ptr<ItemState> Of(const boost::shared_ptr<T>& item) {
    if (!item || typeid(*item) != typeid(T)) throw std::invalid_argument("EditHistory::Change");
    std::unique_ptr<Item> clone(static_cast<const Item&>(*item).Clone());
    T* const typed = dynamic_cast<T*>(clone.get());
    if (typed == nullptr || typeid(*typed) != typeid(T))
      throw std::invalid_argument("EditHistory::Change");
    clone.release();
    return std::unique_ptr<ItemState>(new TypedItemState(item, std::unique_ptr<T>(typed)));
  }
  void Restore() const override { *item_ = *copy_; }
  std::wstring Name() const override { return copy_->Name(); }

 private:
  TypedItemState(const boost::shared_ptr<T>& item, std::unique_ptr<T> copy)
      : item_(item), copy_(std::move(copy)) {}
  boost::shared_ptr<T> item_;
  std::unique_ptr<T> copy_;
};

}  // namespace detail

class ORVANTA_API EditHistory {
 public:
  // A host's own edit, already carried out when it is pushed. Undo and Redo
  // may use the document's operations (they are not recorded then). An edit
  // that throws leaves what it changed to the host; the history puts back
  // the other edits of the step and stays as it was.
  class ORVANTA_API Edit {
   public:
    virtual ~Edit();
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    // What the edit did, as it follows "Undo " in a menu: "Move 'Wall 1'".
    virtual std::wstring Text() const = 0;
  };

  // Makes the edits recorded while it lives one step, with `text` (when empty,
  // the first edit's text). Groups nest: an inner group's edits join the
  // outermost's step. Left by an exception, the group undoes its edits (their
  // signals raised, exceptions from listeners swallowed) and records nothing.
  class ORVANTA_API Group {
   public:
    Group(EditHistory& history, const std::wstring& text);
    ~Group();
    Group(const Group&) = delete;
    Group& operator=(const Group&) = delete;

   private:
    EditHistory& history_;
    std::size_t mark_;
    int exceptions_;
  };

  // Attaches to `document`, which must not have a history already
  // (std::invalid_argument "EditHistory::EditHistory").
  explicit EditHistory(BaseDocument& document);
  ~EditHistory();
  EditHistory(const EditHistory&) = delete;
  EditHistory& operator=(const EditHistory&) = delete;

  // The document, or null once it has been destroyed.
  BaseDocument* Document() const;

  bool CanUndo() const;
  bool CanRedo() const;
  // "Undo Remove 'Wall 1'", or "Undo" when there is nothing to undo.
  std::wstring UndoText() const;
  std::wstring RedoText() const;
  std::size_t UndoCount() const;
  std::size_t RedoCount() const;
  // Undoes (redoes) the last step (the last undone one); false when there is
  // none, and inside an open Group or a running Undo or Redo. Throws what an
  // edit of the step or a listener throws.
  bool Undo();
  bool Redo();

  // Steps kept for undoing; the oldest go first. 0: no limit. Default 1000.
  std::size_t Limit() const;
  void SetLimit(std::size_t steps);
  // Forgets every step; the present state becomes clean when the document's
  // changed flag is clear.
  void Clear();
  // Marks the present state clean, as Save does.
  void MarkClean();
  bool IsClean() const;

  // Raised after every change of what can be undone or redone and of the
  // clean state, for menus and toolbars.
  Signals::Signal<const EditHistory&>& Changed() { return changed_; }

  // Runs `edit`, which changes `item`'s own data, and records it as one step
  // "Change <property> of '<name>'": the item is copied by Clone() before and
  // after, and undo and redo copy the state back into the same object with
  // T's copy assignment (so T's data, name, notes and lock come back). T must
  // be the item's own class (std::invalid_argument "EditHistory::Change",
  // nothing run, for a null item, for a base class of it, or for a Clone()
  // that does not make a T), and T needs a public copy assignment that copies
  // all its state: the one the compiler writes for a class derived from Item
  // does (Item's own is protected). Document operations inside `edit` join
  // the step. When `edit` throws, the item is copied back, the operations it
  // made are undone, the changed flag is put back, nothing is recorded, and
  // the exception passes on.
  template <class T, class Function>
  void Change(const boost::shared_ptr<T>& item, const std::wstring& property, Function&& edit) {
    static_assert(std::is_base_of<Item, T>::value, "EditHistory::Change takes an item");
    static_assert(std::is_copy_assignable<T>::value,
                  "EditHistory::Change needs the item's public copy assignment");
    std::unique_ptr<detail::ItemState> before = detail::TypedItemState<T>::Of(item);
    const std::size_t mark = BeginChange();
    try {
      edit();
      std::unique_ptr<detail::ItemState> after = detail::TypedItemState<T>::Of(item);
      EndChange(item, property, std::move(before), std::move(after));
    } catch (...) {
      AbandonChange(mark, before.get());
      throw;
    }
  }

  // Records `edit`, carried out already, as a step (or in the open group).
  void Push(std::unique_ptr<Edit> edit);
  // The same for an edit given as its text and two functions.
  void Push(const std::wstring& text, std::function<void()> undo, std::function<void()> redo);

 private:
  friend class detail::HistoryRecorder;

  std::size_t BeginChange();
  void EndChange(const ItemPtr& item, const std::wstring& property,
                 std::unique_ptr<detail::ItemState> before,
                 std::unique_ptr<detail::ItemState> after) noexcept;
  void AbandonChange(std::size_t mark, const detail::ItemState* before) noexcept;

  std::unique_ptr<detail::HistoryRecorder> recorder_;
  Signals::Signal<const EditHistory&> changed_;
};

}  // namespace Orvanta
