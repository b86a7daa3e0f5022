#include "orvanta/documents/BaseDocument.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include <boost/filesystem/exception.hpp>
#include <boost/filesystem/operations.hpp>
#include <iostream>

#include "DocumentObserver.hpp"
#include "ItemNameIndex.hpp"
#include "orvanta/documents/SharedProgramOptions.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/WideStreams.hpp"

namespace Orvanta {
namespace {

constexpr std::size_t kPrintFlags = 12;

template <class Pointer>
void RequireItem(const Pointer& item, const char* operation) {
  if (!item) throw std::invalid_argument(std::string("BaseDocument::") + operation);
}

Signals::SignalManager& Hub() { return *Signals::SignalManager::Instance(); }

// A stable sort by key(item), each key computed once. The items are copied,
// sorted aside and swapped in at the end, so that a key (the host's Type() or
// Name()) or an allocation that throws leaves `items` as it was. Returns the
// previous order.
template <class Key>
std::vector<ItemPtr> StableSortBy(std::vector<ItemPtr>& items, Key key) {
  std::vector<std::pair<std::wstring, ItemPtr>> keyed;
  keyed.reserve(items.size());
  for (const ItemPtr& item : items) keyed.emplace_back(key(*item), item);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<ItemPtr> sorted;
  sorted.reserve(keyed.size());
  for (auto& entry : keyed) sorted.push_back(std::move(entry.second));
  items.swap(sorted);
  return sorted;
}

// Tells each of a document's observers, through `tell`. An observer that
// may detach while told (DocumentGone) needs a copy of the list.
template <class Tell>
void TellObservers(const std::vector<detail::DocumentObserver*>& observers, Tell tell) {
  for (detail::DocumentObserver* observer : observers) tell(*observer);
}

// The operations between its construction and its end make one batch.
class Batch {
 public:
  Batch(const std::vector<detail::DocumentObserver*>& observers, unsigned int textId)
      : observers_(observers), text_id_(textId) {
    TellObservers(observers_, [](detail::DocumentObserver& o) { o.BatchBegins(); });
  }
  ~Batch() {
    TellObservers(observers_, [this](detail::DocumentObserver& o) { o.BatchEnds(text_id_); });
  }
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;

 private:
  const std::vector<detail::DocumentObserver*>& observers_;
  unsigned int text_id_;
};

// While it lives, the document's content is being replaced wholesale.
class Replacement {
 public:
  explicit Replacement(BaseDocument& document)
      : document_(document), revision_(document.Revision()) {
    TellObservers(detail::DocumentAccess::Observers(document_),
                  [](detail::DocumentObserver& o) { o.Replacing(); });
  }
  ~Replacement() {
    const bool changed = document_.Revision() != revision_;
    TellObservers(detail::DocumentAccess::Observers(document_),
                  [changed](detail::DocumentObserver& o) { o.Replaced(changed); });
  }
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;

 private:
  BaseDocument& document_;
  unsigned long long revision_;
};

// The texts of an edit history for a batch of several (EditHistory.hpp).
constexpr unsigned int kDuplicateItemsText = 3007;
constexpr unsigned int kRemoveItemsText = 3010;

}  // namespace

BaseDocument::NameInUseError::NameInUseError(const std::wstring& name)
    : Error(LibraryText(1879, {{L"<Name/>", name}})) {}
BaseDocument::NameInUseError::~NameInUseError() = default;

BaseDocument::CannotOpenItemError::CannotOpenItemError(const wpath& path,
                                                       const std::wstring& reason)
    : Error(LibraryText(1880, {{L"<Path/>", path_to_wstring(path)}, {L"<Reason/>", reason}})) {}
BaseDocument::CannotOpenItemError::~CannotOpenItemError() = default;

BaseDocument::Connections::Connections(BaseDocument* document) : document_(document) {
  Hub().ConnectToItemChanged(this, &Connections::OnItemChanged);
}
BaseDocument::Connections::~Connections() {
  Hub().DisconnectFromItemChanged(this, &Connections::OnItemChanged);
}
void BaseDocument::Connections::OnItemChanged(Signals::ConstItemPtr item) {
  if (item) document_->HasChanged(true);
}

BaseDocument::BaseDocument(bool notification)
    : notification_(notification),
      connections_(new Connections(this)),
      use_si_(true),
      changed_(false),
      print_flags_(kPrintFlags, true),
      names_(new detail::ItemNameIndex) {
  if (notification_) BroadcastInformationMessage(LibraryText(1949), false);
}

BaseDocument::BaseDocument(const wpath& path, bool notification)
    : notification_(notification),
      path_(path),
      use_si_(true),
      changed_(false),
      print_flags_(kPrintFlags, true) {
  if (path_.empty()) throw NoPathError();
  connections_.reset(new Connections(this));
  names_.reset(new detail::ItemNameIndex);
  if (notification_) {
    BroadcastInformationMessage(LibraryText(1950, {{L"<Path/>", path_to_wstring(path_)}}), false);
  }
}

BaseDocument::BaseDocument(const BaseDocument& other)
    : boost::enable_shared_from_this<BaseDocument>(),
      notification_(other.notification_),
      connections_(new Connections(this)),
      path_(other.path_),
      use_si_(other.use_si_),
      changed_(other.changed_),
      items_(other.items_),
      print_flags_(other.print_flags_),
      names_(new detail::ItemNameIndex) {
  for (const ItemPtr& item : items_) names_->Add(item);
}

BaseDocument::~BaseDocument() {
  const std::vector<detail::DocumentObserver*> observers = observers_;
  TellObservers(observers, [](detail::DocumentObserver& o) { o.DocumentGone(); });
  if (!notification_) return;
  try {
    Hub().Broadcast(new CompositeMessage(LibraryText(path_.empty() ? 1952 : 1951,
                                                     {{L"<Path/>", path_to_wstring(path_)}})),
                    true);
  } catch (...) {
    // A destructor reports what it can and never throws.
  }
}

void BaseDocument::FinalizeRead() {}
void BaseDocument::Refresh() {}

void BaseDocument::Validate() const {
  if (std::any_of(items_.begin(), items_.end(), [](const ItemPtr& item) { return !item; }))
    throw InternalError(L"BaseDocument::Validate");
}

bool BaseDocument::IsValid() const {
  try {
    Validate();
    return true;
  } catch (...) {
    return false;
  }
}

void BaseDocument::CopyItems(std::vector<ItemPtr>& out) const {
  if (out.size() < items_.size()) throw std::invalid_argument("BaseDocument::CopyItems");
  std::copy(items_.begin(), items_.end(), out.begin());
}

ItemPtr BaseDocument::FindItem(const std::wstring& name) {
  const std::vector<ItemPtr>* named = names_->Named(name);
  if (named == nullptr) return ItemPtr();
  if (named->size() == 1) return named->front();
  // Several items share the name (renamed directly): the first in order.
  return FindItemIf([&name](const ItemPtr& item) { return item->Name() == name; });
}

boost::shared_ptr<const Item> BaseDocument::FindItem(const std::wstring& name) const {
  return const_cast<BaseDocument*>(this)->FindItem(name);
}

bool BaseDocument::IsNameUsed(const std::wstring& name) const { return names_->IsUsed(name); }

ItemPtr BaseDocument::FindParentOf(boost::shared_ptr<const Item> child) const {
  return FindItemIf([&child](const ItemPtr& item) { return item->ContainsComponent(child); });
}

bool BaseDocument::SetNotify(bool notification) {
  return std::exchange(notification_, notification);
}

void BaseDocument::SetPrintFlag(unsigned int i, bool value) {
  print_flags_.at(i) = value;
  HasChanged(true);
}
void BaseDocument::FlipPrintFlag(unsigned int i) { SetPrintFlag(i, !PrintFlag(i)); }
void BaseDocument::SetAllPrintFlags() {
  print_flags_.assign(kPrintFlags, true);
  HasChanged(true);
}
void BaseDocument::ClearAllPrintFlags() {
  print_flags_.assign(kPrintFlags, false);
  HasChanged(true);
}

std::wstring BaseDocument::ItemText(unsigned int id, const Item& item) {
  return LibraryText(id, {{L"<Name/>", item.Name()}, {L"<Type/>", item.Type()}});
}

void BaseDocument::Announce(const std::wstring& text) const {
  if (notification_) Hub().Broadcast(new LeafMessage(text, Message::Information), true);
}

void BaseDocument::AnnouncePath(unsigned int id, const wpath& path) const {
  if (!notification_) return;
  Announce(LibraryText(id, {{L"<Path/>", path_to_wstring(path)}}));
}

void BaseDocument::WriteAndAnnounce(const wpath& path, unsigned int textId) const {
  WriteTo(path);
  AnnouncePath(textId, path);
}

void BaseDocument::Save() const {
  if (path_.empty()) throw NoPathError();
  if (SharedProgramOptions::AutomaticBackup()) Backup();
  WriteTo(path_);
  changed_ = false;
  TellObservers(observers_, [](detail::DocumentObserver& o) { o.Saved(); });
  AnnouncePath(1953, path_);
  if (notification_) SignalDocumentSaved();
}

void BaseDocument::SaveAs(const wpath& path) const {
  if (path.empty()) throw NoPathError();
  WriteTo(path);
  path_ = path;
  changed_ = false;
  TellObservers(observers_, [](detail::DocumentObserver& o) { o.Saved(); });
  AnnouncePath(1954, path);
  if (notification_) SignalDocumentSaved();
}

void BaseDocument::SaveCopyAs(const wpath& path) const {
  if (path.empty()) throw NoPathError();
  WriteTo(path);
  AnnouncePath(1954, path);
  if (notification_) SignalDocumentSaved();
}

wpath BaseDocument::BackupPath() const {
  if (path_.empty()) throw NoPathError();
  std::wstring name = path_to_wstring(path_.filename());
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.erase(dot);
  return path_.parent_path() /
         wstring_to_path(name + string_to_wstring(SharedProgramOptions::BackupExtension()));
}

void BaseDocument::Backup() const {
  if (path_.empty()) return;
  try {
    const wpath backup = BackupPath();
    boost::system::error_code notBoth;
    if (backup == path_ || boost::filesystem::equivalent(backup, path_, notBoth)) {
      // A project named like a backup (rescue.bak), or a backup extension
      // that is the project's own: copying it onto itself would destroy it.
      UseUtf8WideStandardStream(std::wclog);
      std::wclog << L"No backup made: the backup of '" << path_to_wstring(path_)
                 << L"' would be the project file itself" << std::endl;
      return;
    }
    // The old backup stays until the new one is whole.
    InputFile in(path_);
    if (!in.is_open())
      throw boost::filesystem::filesystem_error("Cannot read the project", path_, in.Error());
    SafeFileWriter out(backup);
    std::vector<char> buffer(64 * 1024);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
      out.Stream().write(buffer.data(), in.gcount());
    if (in.Error())
      throw boost::filesystem::filesystem_error("Cannot read the project", path_, in.Error());
    out.Commit();
    AnnouncePath(1955, backup);
  } catch (const std::exception& error) {
    Hub().Broadcast(new LeafMessage(string_to_wstring(error.what()), Message::Error), true);
  }
}

void BaseDocument::Revert() {
  if (path_.empty()) throw NoPathError();
  const Replacement replacing(*this);
  ReadFrom(path_);
  ++revision_;  // the content is the file's now, whatever the read touched
}

void BaseDocument::SignalDocumentSaved() const { Hub().DocumentSaved(shared_from_this()); }

bool BaseDocument::AddItem(ItemPtr item) { return Add(std::move(item), detail::Insertion()); }

bool BaseDocument::Add(ItemPtr item, const detail::Insertion& how) {
  RequireItem(item, "AddItem");
  if (IsNameUsed(item->Name())) throw NameInUseError(item->Name());
  if (names_->Holds(item.get())) return false;
  items_.push_back(item);
  names_->Add(item);
  HasChanged(true);
  TellObservers(observers_,
                [&](detail::DocumentObserver& o) { o.Inserted(item, items_.size() - 1, how); });
  Refresh();
  if (notification_) {
    Announce(ItemText(1965, *item));
    Hub().ItemAdded(item);
  }
  return true;
}

ItemPtr BaseDocument::Create(boost::shared_ptr<const Item> prototype) {
  RequireItem(prototype, "Create");
  ItemPtr item = CreateItemFrom(prototype);
  if (notification_) {
    Announce(ItemText(1963, *item));
    Hub().ItemCreated(item);
  }
  Add(item, detail::Insertion(detail::Insertion::Created));
  return item;
}

ItemPtr BaseDocument::CreateItemFrom(boost::shared_ptr<const Item> prototype) const {
  RequireItem(prototype, "CreateItemFrom");
  ItemPtr clone(prototype->Clone());
  clone->Rename(CreateUniqueNameFor(prototype));
  return clone;
}

std::wstring BaseDocument::CreateUniqueNameFor(boost::shared_ptr<const Item> item) const {
  RequireItem(item, "CreateUniqueNameFor");
  return names_->FirstFreeGeneratedName(*item);
}

ItemPtr BaseDocument::DuplicateItem(boost::shared_ptr<const Item> source) {
  RequireItem(source, "DuplicateItem");
  ItemPtr copy = CreateItemFrom(source);
  copy->Rename(names_->FirstFreeCopyName(source->Name()));
  if (notification_) {
    Announce(LibraryText(
        1964,
        {{L"<Name/>", source->Name()}, {L"<Type/>", source->Type()}, {L"<Name/>", copy->Name()}}));
    Hub().ItemCreated(copy);
  }
  detail::Insertion how(detail::Insertion::Duplicated);
  how.source = source.get();
  Add(copy, how);
  return copy;
}

bool BaseDocument::DuplicateItems(std::vector<ItemPtr>& items) {
  const Batch batch(observers_, kDuplicateItemsText);
  bool all = true;
  for (const ItemPtr& item : items)
    if (!DuplicateItem(item)) all = false;
  return all;
}

bool BaseDocument::PasteItem(ItemPtr item) {
  RequireItem(item, "PasteItem");
  detail::Insertion how(detail::Insertion::Pasted);
  if (!observers_.empty()) how.formerName = item->Name();
  item->Rename(names_->FirstFreeCopyName(item->Name()));
  return Add(item, how);
}

std::wstring BaseDocument::ConfirmDeletionMessage(boost::shared_ptr<const Item> item) const {
  RequireItem(item, "ConfirmDeletionMessage");
  std::wstring text = ItemText(1972, *item);
  if (const ItemPtr parent = FindParentOf(item)) text += L'\n' + ItemText(1971, *parent);
  return text;
}

bool BaseDocument::RemoveItem(ItemPtr item, const ApplicationModule& application) {
  RequireItem(item, "RemoveItem");
  if (application.YesNoBox(ConfirmDeletionMessage(item), MessageBoxIconQuestion) != AnswerYes)
    return false;
  const auto found = std::find(items_.begin(), items_.end(), item);
  if (found == items_.end()) return false;
  const std::size_t position = static_cast<std::size_t>(found - items_.begin());
  items_.erase(found);
  names_->Remove(item);
  ++revision_;
  TellObservers(observers_, [&](detail::DocumentObserver& o) { o.Removed(item, position); });
  if (notification_) {
    Announce(ItemText(1969, *item));
    Hub().ItemRemoved(item);
    Announce(ItemText(1970, *item));
    Hub().ItemDestroyed(item);
  }
  HasChanged(true);
  Refresh();
  return true;
}

bool BaseDocument::RemoveItems(std::vector<ItemPtr>& items, const ApplicationModule& application) {
  const Batch batch(observers_, kRemoveItemsText);
  bool all = true;
  for (const ItemPtr& item : items)
    if (!RemoveItem(item, application)) all = false;
  return all;
}

void BaseDocument::ClearItems() {
  std::vector<ItemPtr> cleared;
  cleared.swap(items_);
  names_->Clear();
  ++revision_;
  TellObservers(observers_, [&](detail::DocumentObserver& o) { o.Cleared(cleared); });
}

void BaseDocument::SortItemsByName() {
  const std::vector<ItemPtr> before =
      StableSortBy(items_, [](const Item& item) { return item.Name(); });
  ++revision_;
  TellObservers(observers_, [&](detail::DocumentObserver& o) { o.Reordered(before, 1973); });
  Hub().Broadcast(new LeafMessage(LibraryText(1973), Message::Information), true);
}

void BaseDocument::SortItemsByType() {
  const std::vector<ItemPtr> before =
      StableSortBy(items_, [](const Item& item) { return item.Type(); });
  ++revision_;
  TellObservers(observers_, [&](detail::DocumentObserver& o) { o.Reordered(before, 1974); });
  Hub().Broadcast(new LeafMessage(LibraryText(1974), Message::Information), true);
}

void BaseDocument::Swap(BaseDocument& other) {
  if (&other == this) return;
  // Attached histories and recovery copies stay with their documents.
  const Replacement mine(*this), theirs(other);
  ++revision_;
  ++other.revision_;
  std::swap(notification_, other.notification_);
  path_.swap(other.path_);
  std::swap(use_si_, other.use_si_);
  std::swap(changed_, other.changed_);
  items_.swap(other.items_);
  print_flags_.swap(other.print_flags_);
  names_.swap(other.names_);  // the indexes go with their items
}

namespace detail {

void DocumentAccess::Attach(BaseDocument& document, DocumentObserver* observer) {
  document.observers_.push_back(observer);
}

void DocumentAccess::Detach(BaseDocument& document, DocumentObserver* observer) noexcept {
  std::vector<DocumentObserver*>& observers = document.observers_;
  observers.erase(std::remove(observers.begin(), observers.end(), observer), observers.end());
}

bool DocumentAccess::Insert(BaseDocument& document, const ItemPtr& item, std::size_t position) {
  if (document.names_->Holds(item.get())) return false;
  std::vector<ItemPtr>& items = document.items_;
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(std::min(position, items.size())), item);
  document.names_->Add(item);
  ++document.revision_;
  return true;
}

bool DocumentAccess::Remove(BaseDocument& document, const ItemPtr& item, std::size_t position) {
  std::vector<ItemPtr>& items = document.items_;
  auto found = position < items.size() && items[position] == item
                   ? items.begin() + static_cast<std::ptrdiff_t>(position)
                   : std::find(items.begin(), items.end(), item);
  if (found == items.end()) return false;
  items.erase(found);
  document.names_->Remove(item);
  ++document.revision_;
  return true;
}

void DocumentAccess::Replace(BaseDocument& document, const std::vector<ItemPtr>& items) {
  std::vector<ItemPtr> copy = items;
  document.names_->Clear();
  document.items_.swap(copy);
  for (const ItemPtr& item : document.items_) document.names_->Add(item);
  ++document.revision_;
}

void DocumentAccess::Reorder(BaseDocument& document, const std::vector<ItemPtr>& order) {
  document.items_ = order;
  ++document.revision_;
}

}  // namespace detail

}  // namespace Orvanta
