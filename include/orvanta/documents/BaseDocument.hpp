// BaseDocument: the base class of the host programs' documents, an ordered
// collection of items under unique names.
//
//   class Project : public Orvanta::BaseDocument {
//    public:
//     Project() : BaseDocument(true) {}
//     void ReadFrom(const Orvanta::wpath& file) override { ... }
//     void WriteTo(const Orvanta::wpath& file) const override { ... }
//   };
//   auto project = boost::make_shared<Project>();
//   Orvanta::ItemPtr wall = project->Create(wallPrototype);  // "Wall 1", announced
//   project->DuplicateItem(wall);                            // "Wall 1 - Copy"
//
// Name checks and lookups by name cost the same however many items there are;
// they follow items renamed directly (Rename, UniqueRename, Swap, assignment)
// too, and a name given up is free again at once. The next free generated name
// ("Layer 7") or copy name ("A - Copy (3)") is found from the numbers in use,
// without trying every number again. While notification is off the document
// announces nothing and raises no signals, but for the sorting messages. Every
// operation taking an item pointer throws std::invalid_argument
// ("BaseDocument::<operation>") for a null pointer.
//
// An EditHistory (EditHistory.hpp) or a RecoveryCopy (RecoveryCopy.hpp)
// attached to a document hears each of its operations; without them the
// operations announce, raise and cost what they always did.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

#include "orvanta/documents/Item.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/ApplicationModule.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

namespace detail {
class ItemNameIndex;
class DocumentObserver;
class DocumentAccess;
struct Insertion;
}  // namespace detail

// A predicate for FindItemIf and the standard algorithms: true for a null
// pointer.
template <class T>
struct IsNullSharedPtr {
  bool operator()(const boost::shared_ptr<T>& pointer) const { return !pointer; }
};

class ORVANTA_API BaseDocument : public boost::enable_shared_from_this<BaseDocument> {
 public:
  // An item's name is taken: string-table text 1879 with the name.
  class ORVANTA_API NameInUseError : public Error {
   public:
    explicit NameInUseError(const std::wstring& name);
    ~NameInUseError() override;
  };
  // For host code that cannot open an item's file: text 1880.
  class ORVANTA_API CannotOpenItemError : public Error {
   public:
    CannotOpenItemError(const wpath& path, const std::wstring& reason);
    ~CannotOpenItemError() override;
  };

  // Keeps the document's changed flag set on every ItemChanged of the hub.
  class ORVANTA_API Connections {
   public:
    explicit Connections(BaseDocument* document);
    ~Connections();
    Connections(const Connections&) = delete;
    Connections& operator=(const Connections&) = delete;
    void OnItemChanged(Signals::ConstItemPtr item);

   private:
    BaseDocument* document_;
  };

  // A new, unsaved document; announces "A new project has been created" when
  // `notification` is on.
  explicit BaseDocument(bool notification);
  // A document bound to `path`, whose content the derived constructor reads;
  // announces the opening when `notification` is on. Throws NoPathError for
  // an empty path.
  BaseDocument(const wpath& path, bool notification);
  // Announces the closing when notification is on.
  virtual ~BaseDocument();

  // Loads the content from `path`. Throws whatever the host's format throws.
  // The file may be damaged or hostile: read it through InputFile (a regular
  // file only, FileStream.hpp) and, for XML, XmlInputArchive.
  virtual void ReadFrom(const wpath& path) = 0;
  // Writes the whole content to `path`, through SafeFileWriter
  // (SafeFileWriter.hpp), so that a failure never leaves a damaged file.
  virtual void WriteTo(const wpath& path) const = 0;
  // Completes a read; nothing in the base.
  virtual void FinalizeRead();
  // Called after items are added or removed; nothing in the base.
  virtual void Refresh();
  // Throws InternalError ("BaseDocument::Validate") if a held pointer is null.
  virtual void Validate() const;
  bool IsValid() const;

  wpath Path() const { return path_; }
  void ClearPath() { path_.clear(); }

  // Persistence. The content is the host's (WriteTo / ReadFrom); these fix the
  // protocol around it. Each throws NoPathError when it needs a path and
  // there is none; a failing WriteTo or ReadFrom passes its exception on with
  // the path and the changed flag as they were and nothing announced.

  // Backs up first when SharedProgramOptions::AutomaticBackup(), writes,
  // clears changed, announces and raises DocumentSaved.
  void Save() const;
  // Writes to `path`, which becomes the document's path; clears changed.
  void SaveAs(const wpath& path) const;
  // Writes a copy to `path`; the path and changed flag stay.
  void SaveCopyAs(const wpath& path) const;
  // Copies the file as last saved to BackupPath() through SafeFileWriter: an
  // older backup stays whole until the new one is. Does nothing without a
  // path, and makes no backup (saying so in the wide log stream) when
  // BackupPath() is the document's own file (a project named like a backup,
  // or a link to it), which copying would destroy. A failure is broadcast as
  // an error message and never thrown.
  void Backup() const;
  // The path whose file name loses the part from its last dot on and gains
  // the backup extension as it is written: with "bak" (no dot) site.abc
  // becomes sitebak, as with ".bak" it becomes site.bak.
  wpath BackupPath() const;
  // Reads the content again from the path; nothing is announced.
  void Revert();
  // Raises DocumentSaved with this document (which a shared pointer must own).
  void SignalDocumentSaved() const;
  bool UseSI() const { return use_si_; }
  void UseSI(bool useSI) { use_si_ = useSI; }
  // Grows with every change of the content made through the document (its
  // item operations, sorts included, an undo or redo, a successful Revert,
  // Swap) and every time the changed flag is set; saving leaves it. Equal
  // revisions mean an unchanged document (which a recovery copy need not
  // write again): a host that changes what only it knows sets the flag.
  unsigned long long Revision() const { return revision_; }

  // Queries.
  bool HasItems() const { return !items_.empty(); }
  std::size_t NumItems() const { return items_.size(); }
  const std::vector<ItemPtr>& Items() const { return items_; }
  // Assigns the item pointers, in order, over the first elements of `out`.
  // Throws std::invalid_argument ("BaseDocument::CopyItems"), changing
  // nothing, when `out` holds fewer than NumItems() elements.
  void CopyItems(std::vector<ItemPtr>& out) const;
  // The first item so named, in document order (renames can make two items
  // share a name), or null.
  ItemPtr FindItem(const std::wstring& name);
  boost::shared_ptr<const Item> FindItem(const std::wstring& name) const;
  // The first item, in document order, for which predicate(item) holds
  // (for example IsNullSharedPtr<Item>()).
  template <class Predicate>
  ItemPtr FindItemIf(Predicate predicate) const {
    for (const ItemPtr& item : items_)
      if (predicate(item)) return item;
    return ItemPtr();
  }
  bool IsNameUsed(const std::wstring& name) const;
  // The first item whose ContainsComponent(child) holds, or null.
  ItemPtr FindParentOf(boost::shared_ptr<const Item> child) const;

  // Flags. Every print-flag setter also sets changed; flags are 0 to 11 (at()
  // semantics: others throw std::out_of_range).
  bool HasChanged() const { return changed_; }
  void HasChanged(bool changed) {
    changed_ = changed;
    if (changed) ++revision_;
  }
  void NotifyHasChanged() { HasChanged(true); }
  bool Notification() const { return notification_; }
  // Returns the previous setting, for the caller to restore.
  bool SetNotify(bool notification);
  bool PrintFlag(unsigned int i) const { return print_flags_.at(i); }
  void SetPrintFlag(unsigned int i, bool value);
  void FlipPrintFlag(unsigned int i);
  void SetAllPrintFlags();
  void ClearAllPrintFlags();

  // Items.

  // Appends `item`; true when added. The name is checked first: its being
  // taken throws NameInUseError, so adding an item the document already holds
  // throws too (its own name is in use).
  bool AddItem(ItemPtr item);
  // A clone of `prototype` under a free generated name, announced and added.
  ItemPtr Create(boost::shared_ptr<const Item> prototype);
  // A clone of `prototype` under a free generated name, not added.
  ItemPtr CreateItemFrom(boost::shared_ptr<const Item> prototype) const;
  // The first of GenerateName(1), GenerateName(2), ... not in use.
  std::wstring CreateUniqueNameFor(boost::shared_ptr<const Item> item) const;
  // A clone named "<name> - Copy" (or "- Copy (2)", ...), announced and added.
  // The placeholders are filled one at a time, first occurrence first, so the
  // copies of an item named "<Number/>" are "2 - Copy (<Number/>)" and on.
  ItemPtr DuplicateItem(boost::shared_ptr<const Item> source);
  // DuplicateItem for each, in order; false if any failed.
  bool DuplicateItems(std::vector<ItemPtr>& items);
  // Adds `item` (from a clipboard) renamed "<name> - Copy" (or the next free).
  bool PasteItem(ItemPtr item);
  // The deletion question for `item`, naming its parent if it has one.
  std::wstring ConfirmDeletionMessage(boost::shared_ptr<const Item> item) const;
  // Asks through `application`'s yes/no box; removes and announces on Yes.
  bool RemoveItem(ItemPtr item, const ApplicationModule& application);
  bool RemoveItems(std::vector<ItemPtr>& items, const ApplicationModule& application);
  // Removes every item silently; changed is not touched.
  void ClearItems();
  // Stable sorts (exact code-unit order); always announced. When a key (the
  // host's Type()) throws, the exception passes on and the order is unchanged.
  void SortItemsByName();
  void SortItemsByType();

  void Swap(BaseDocument& other);

 protected:
  BaseDocument(const BaseDocument& other);

  // Broadcasts `text` as information with flag true if notification is on.
  void Announce(const std::wstring& text) const;
  // Text `id` with <Path/> filled by `path`, announced.
  void AnnouncePath(unsigned int id, const wpath& path) const;
  void WriteAndAnnounce(const wpath& path, unsigned int textId) const;
  // Text `id` with <Name/> and <Type/> of `item`.
  static std::wstring ItemText(unsigned int id, const Item& item);

 private:
  friend class detail::DocumentAccess;

  // AddItem, telling the observers how the item came.
  bool Add(ItemPtr item, const detail::Insertion& how);

  bool notification_;
  boost::shared_ptr<Connections> connections_;
  mutable wpath path_;
  bool use_si_;
  mutable bool changed_;
  std::vector<ItemPtr> items_;
  std::vector<bool> print_flags_;
  std::unique_ptr<detail::ItemNameIndex> names_;
  // Attached edit history and recovery copy; they detach themselves.
  std::vector<detail::DocumentObserver*> observers_;
  unsigned long long revision_ = 0;
};

}  // namespace Orvanta
