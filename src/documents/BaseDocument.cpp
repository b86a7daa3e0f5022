#include "orvanta/documents/BaseDocument.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include <boost/filesystem/exception.hpp>
#include <boost/filesystem/operations.hpp>
#include <iostream>

#include "ItemNameIndex.hpp"
#include "orvanta/documents/SharedProgramOptions.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"
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
// Name()) or an allocation that throws leaves `items` as it was.
template <class Key>
void StableSortBy(std::vector<ItemPtr>& items, Key key) {
  std::vector<std::pair<std::wstring, ItemPtr>> keyed;
  keyed.reserve(items.size());
  for (const ItemPtr& item : items) keyed.emplace_back(key(*item), item);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<ItemPtr> sorted;
  sorted.reserve(keyed.size());
  for (auto& entry : keyed) sorted.push_back(std::move(entry.second));
  items.swap(sorted);
}

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
      useSI_(true),
      changed_(false),
      printFlags_(kPrintFlags, true),
      names_(new detail::ItemNameIndex) {
  if (notification_) BroadcastInformationMessage(LibraryText(1949), false);
}

BaseDocument::BaseDocument(const wpath& path, bool notification)
    : notification_(notification),
      path_(path),
      useSI_(true),
      changed_(false),
      printFlags_(kPrintFlags, true) {
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
      useSI_(other.useSI_),
      changed_(other.changed_),
      items_(other.items_),
      printFlags_(other.printFlags_),
      names_(new detail::ItemNameIndex) {
  for (const ItemPtr& item : items_) names_->Add(item);
}

BaseDocument::~BaseDocument() {
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
  printFlags_.at(i) = value;
  changed_ = true;
}
void BaseDocument::FlipPrintFlag(unsigned int i) { SetPrintFlag(i, !PrintFlag(i)); }
void BaseDocument::SetAllPrintFlags() {
  printFlags_.assign(kPrintFlags, true);
  changed_ = true;
}
void BaseDocument::ClearAllPrintFlags() {
  printFlags_.assign(kPrintFlags, false);
  changed_ = true;
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
  AnnouncePath(1953, path_);
  if (notification_) SignalDocumentSaved();
}

void BaseDocument::SaveAs(const wpath& path) const {
  if (path.empty()) throw NoPathError();
  WriteTo(path);
  path_ = path;
  changed_ = false;
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
  ReadFrom(path_);
}

void BaseDocument::SignalDocumentSaved() const { Hub().DocumentSaved(shared_from_this()); }

bool BaseDocument::AddItem(ItemPtr item) {
  RequireItem(item, "AddItem");
  if (IsNameUsed(item->Name())) throw NameInUseError(item->Name());
  if (names_->Holds(item.get())) return false;
  items_.push_back(item);
  names_->Add(item);
  changed_ = true;
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
  AddItem(item);
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
    Announce(LibraryText(1964, {{L"<Name/>", source->Name()},
                                {L"<Type/>", source->Type()},
                                {L"<Name/>", copy->Name()}}));
    Hub().ItemCreated(copy);
  }
  AddItem(copy);
  return copy;
}

bool BaseDocument::DuplicateItems(std::vector<ItemPtr>& items) {
  bool all = true;
  for (const ItemPtr& item : items)
    if (!DuplicateItem(item)) all = false;
  return all;
}

bool BaseDocument::PasteItem(ItemPtr item) {
  RequireItem(item, "PasteItem");
  item->Rename(names_->FirstFreeCopyName(item->Name()));
  return AddItem(item);
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
  items_.erase(found);
  names_->Remove(item);
  if (notification_) {
    Announce(ItemText(1969, *item));
    Hub().ItemRemoved(item);
    Announce(ItemText(1970, *item));
    Hub().ItemDestroyed(item);
  }
  changed_ = true;
  Refresh();
  return true;
}

bool BaseDocument::RemoveItems(std::vector<ItemPtr>& items, const ApplicationModule& application) {
  bool all = true;
  for (const ItemPtr& item : items)
    if (!RemoveItem(item, application)) all = false;
  return all;
}

void BaseDocument::ClearItems() {
  items_.clear();
  names_->Clear();
}

void BaseDocument::SortItemsByName() {
  StableSortBy(items_, [](const Item& item) { return item.Name(); });
  Hub().Broadcast(new LeafMessage(LibraryText(1973), Message::Information), true);
}

void BaseDocument::SortItemsByType() {
  StableSortBy(items_, [](const Item& item) { return item.Type(); });
  Hub().Broadcast(new LeafMessage(LibraryText(1974), Message::Information), true);
}

void BaseDocument::Swap(BaseDocument& other) {
  std::swap(notification_, other.notification_);
  path_.swap(other.path_);
  std::swap(useSI_, other.useSI_);
  std::swap(changed_, other.changed_);
  items_.swap(other.items_);
  printFlags_.swap(other.printFlags_);
  names_.swap(other.names_);  // the indexes go with their items
}

}  // namespace Orvanta
