#include "orvanta/documents/EditHistory.hpp"

#include <algorithm>
#include <deque>
#include <exception>
#include <functional>
#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

#include "DocumentObserver.hpp"
#include "orvanta/messages/Message.hpp"
#include "orvanta/messages/SignalManager.hpp"
#include "orvanta/platform/LibraryText.hpp"

namespace Orvanta {
namespace detail {
namespace {

constexpr std::size_t kNowhere = std::numeric_limits<std::size_t>::max();
constexpr std::size_t kDefaultLimit = 1000;

// The history's texts (see EditHistory.hpp).
enum : unsigned int {
  kUndoText = 3000,
  kRedoText = 3001,
  kNothingToUndo = 3002,
  kNothingToRedo = 3003,
  kCreateText = 3004,
  kAddText = 3005,
  kDuplicateText = 3006,
  kPasteText = 3008,
  kRemoveText = 3009,
  kClearText = 3011,
  kSortByNameText = 3012,
  kSortByTypeText = 3013,
  kRenameText = 3014,
  kChangeText = 3015,
  kOrderRestored = 3016,
};

// Text `id` filled as every library text is (LibraryText); where a text has
// two placeholders, the item's name is filled last, so that a name holding a
// placeholder stays as it is.
std::wstring Fill(unsigned int id, std::initializer_list<TagFill> fills) {
  return Orvanta::LibraryText(id, fills);
}

std::wstring Named(unsigned int id, const std::wstring& name) {
  return Fill(id, {{L"<Name/>", name}});
}

}  // namespace

// What undoing or redoing a step raises, gathered while its edits are undone
// or redone and raised once all of them are: the document's texts and item
// signals (when its notification is on), the sort messages (always), the
// host's Refresh().
class Effects {
 public:
  explicit Effects(BaseDocument& document) : document_(document) {}

  void Announce(unsigned int id, const ItemPtr& item) {
    if (document_.Notification())
      notices_.push_back({Notice::Announcement, DocumentAccess::ItemText(id, *item), nullptr});
  }
  void Announce(std::wstring text) {
    if (document_.Notification())
      notices_.push_back({Notice::Announcement, std::move(text), nullptr});
  }
  void Broadcast(unsigned int id) {
    notices_.push_back({Notice::Message, Orvanta::LibraryText(id), nullptr});
  }
  void Raise(void (Signals::SignalManager::*signal)(Signals::ConstItemPtr), const ItemPtr& item) {
    if (document_.Notification())
      notices_.push_back({Notice::Signal, std::wstring(), item, signal});
  }
  void Refresh() { refresh_ = true; }
  // Runs `action` once everything is raised: a change of something outside
  // the document that the signals must not see yet.
  void Later(std::function<void()> action) { later_.push_back(std::move(action)); }

  // What RemoveItem raises for `item`.
  void Removal(const ItemPtr& item) {
    Announce(1969, item);
    Raise(&Signals::SignalManager::ItemRemoved, item);
    Announce(1970, item);
    Raise(&Signals::SignalManager::ItemDestroyed, item);
    Refresh();
  }
  // What AddItem raises for `item`.
  void Addition(const ItemPtr& item) {
    Announce(1965, item);
    Raise(&Signals::SignalManager::ItemAdded, item);
    Refresh();
  }

  // Refresh(), then every notice in order, then what waits for them (also
  // when a listener throws).
  void RaiseAll() {
    struct Completion {
      Effects& effects;
      ~Completion() { effects.Complete(); }
    } completion{*this};
    if (refresh_) document_.Refresh();
    Signals::SignalManager& hub = *Signals::SignalManager::Instance();
    for (const Notice& notice : notices_) {
      switch (notice.kind) {
        case Notice::Announcement:
          DocumentAccess::Announce(document_, notice.text);
          break;
        case Notice::Message:
          hub.Broadcast(new LeafMessage(notice.text, Message::Information), true);
          break;
        case Notice::Signal:
          (hub.*notice.signal)(notice.item);
          break;
      }
    }
  }

 private:
  struct Notice {
    enum Kind { Announcement, Message, Signal } kind;
    std::wstring text;
    ItemPtr item;
    void (Signals::SignalManager::*signal)(Signals::ConstItemPtr) = nullptr;
  };

  void Complete() noexcept {
    for (const std::function<void()>& action : later_) {
      try {
        action();
      } catch (...) {
      }
    }
    later_.clear();
  }

  BaseDocument& document_;
  std::vector<Notice> notices_;
  std::vector<std::function<void()>> later_;
  bool refresh_ = false;
};

// One change that a step undoes and redoes.
class Record {
 public:
  virtual ~Record() = default;
  virtual void Undo(HistoryRecorder& recorder, Effects& effects) = 0;
  virtual void Redo(HistoryRecorder& recorder, Effects& effects) = 0;
  virtual std::wstring Text() const = 0;
};

typedef std::unique_ptr<Record> Step;

// Several records as one: a group's step.
class GroupRecord final : public Record {
 public:
  explicit GroupRecord(const std::wstring& text) : text_(text) {}

  std::vector<Step>& Records() { return records_; }
  void Name(const std::wstring& text) {
    if (text_.empty()) text_ = text;
  }
  void NameBatch(unsigned int textId) {
    if (text_.empty()) batch_text_ = textId;
  }
  bool HasOwnText() const { return !text_.empty(); }

  void Undo(HistoryRecorder& recorder, Effects& effects) override {
    Replay(recorder, effects, false);
  }
  void Redo(HistoryRecorder& recorder, Effects& effects) override {
    Replay(recorder, effects, true);
  }
  std::wstring Text() const override {
    if (!text_.empty() || records_.empty()) return text_;
    if (records_.size() > 1 && batch_text_ != 0)
      return Fill(batch_text_, {{L"<Number/>", std::to_wstring(records_.size())}});
    return records_.front()->Text();
  }

 private:
  // Undoes the records last first (or redoes them first first). When one
  // throws, those already done are put back and the exception passes on.
  void Replay(HistoryRecorder& recorder, Effects& effects, bool redo);

  std::wstring text_;            // empty: from the records
  unsigned int batch_text_ = 0;  // a batch's text for several records
  std::vector<Step> records_;
};

// The edit history's working part: it hears the document and the names of
// its items, and keeps the steps.
class HistoryRecorder final : public DocumentObserver, public NameInterface::Watcher {
 public:
  HistoryRecorder(EditHistory& history, BaseDocument& document)
      : history_(history), document_(&document) {
    for (DocumentObserver* observer : DocumentAccess::Observers(document))
      if (dynamic_cast<HistoryRecorder*>(observer) != nullptr)
        throw std::invalid_argument("EditHistory::EditHistory");
    DocumentAccess::Attach(document, this);
    WatchAll();
    clean_ = document.HasChanged() ? kNowhere : 0;
  }

  ~HistoryRecorder() {
    if (document_ == nullptr) return;
    UnwatchAll();
    DocumentAccess::Detach(*document_, this);
  }

  HistoryRecorder(const HistoryRecorder&) = delete;
  HistoryRecorder& operator=(const HistoryRecorder&) = delete;

  BaseDocument* Document() const { return document_; }

  // The document, for the records: a step runs only while there is one.
  BaseDocument& Target() { return *document_; }

  // Silent changes of the content, keeping the watched items the held ones.
  void Insert(const ItemPtr& item, std::size_t position) {
    if (DocumentAccess::Insert(*document_, item, position)) item->Watch(this);
  }
  void Remove(const ItemPtr& item, std::size_t position) {
    if (DocumentAccess::Remove(*document_, item, position)) item->Unwatch(this);
  }
  void SetContent(const std::vector<ItemPtr>& items) {
    UnwatchAll();
    DocumentAccess::Replace(*document_, items);
    WatchAll();
  }

  // The steps.
  const std::deque<Step>& Undone() const { return undo_; }
  const std::vector<Step>& Redone() const { return redo_; }
  std::size_t Limit() const { return limit_; }
  void SetLimit(std::size_t steps) {
    limit_ = steps;
    Trim();
    RaiseChanged();
  }
  bool IsClean() const { return clean_ == undo_.size(); }
  void MarkClean() {
    clean_ = undo_.size();
    RaiseChanged();
  }
  void Clear() {
    undo_.clear();
    redo_.clear();
    clean_ = document_ != nullptr && !document_->HasChanged() ? 0 : kNowhere;
    RaiseChanged();
  }

  bool Undo() { return Travel(undo_, redo_, false); }
  bool Redo() { return Travel(redo_, undo_, true); }

  // Replays the last step of `from` backwards (undo) or `forward` (redo) and
  // moves it to `to`.
  template <class From, class To>
  bool Travel(From& from, To& to, bool forward) {
    if (document_ == nullptr || busy_ || depth_ > 0 || from.empty()) return false;
    Effects effects(*document_);
    Replay(*from.back(), effects, forward);
    to.push_back(std::move(from.back()));
    from.pop_back();
    Finish(effects);
    return true;
  }

  // Groups: what is recorded between Open and Close is one step.
  std::size_t Open(const std::wstring& text) {
    flags_.push_back(document_ != nullptr && document_->HasChanged());
    if (depth_ == 0) open_.reset(new GroupRecord(text));
    ++depth_;
    return open_->Records().size();
  }
  void Close() {
    flags_.pop_back();
    if (--depth_ > 0) return;
    std::unique_ptr<GroupRecord> group = std::move(open_);
    std::vector<Step>& records = group->Records();
    // A group of one record without a text of its own is that record.
    if (records.size() == 1 && !group->HasOwnText())
      Commit(std::move(records.front()));
    else if (!records.empty())
      Commit(std::move(group));
  }
  // Undoes what was recorded in the open group since `mark`, raising what
  // that raises but letting no exception out, and puts back the changed flag
  // the group began with.
  void RollBack(std::size_t mark) noexcept {
    if (document_ != nullptr) {
      try {
        Effects effects(*document_);
        busy_ = true;
        std::vector<Step>& records = open_->Records();
        while (records.size() > mark) {
          try {
            records.back()->Undo(*this, effects);
          } catch (...) {
          }
          records.pop_back();
        }
        busy_ = false;
        effects.RaiseAll();
      } catch (...) {
        busy_ = false;
      }
    }
    if (open_ && open_->Records().size() > mark) open_->Records().resize(mark);
    if (document_ != nullptr && !flags_.empty()) document_->HasChanged(flags_.back());
  }
  void NameOpenStep(const std::wstring& text) {
    if (depth_ == 1) open_->Name(text);
  }

  // Records `record` in the open group or as a step of its own. A record
  // that cannot be kept (memory) empties the history: what it holds could no
  // longer be undone in order.
  void Record(std::unique_ptr<detail::Record> record) {
    if (!IsRecording()) return;
    try {
      if (depth_ > 0)
        open_->Records().push_back(std::move(record));
      else
        Commit(std::move(record));
    } catch (...) {
      Forget();
    }
  }

  // DocumentObserver.
  void Inserted(const ItemPtr& item, std::size_t position, const Insertion& how) override;
  void Removed(const ItemPtr& item, std::size_t position) override;
  void Cleared(const std::vector<ItemPtr>& items) override;
  void Reordered(const std::vector<ItemPtr>& before, unsigned int textId) override;
  void BatchBegins() override { Open(std::wstring()); }
  void BatchEnds(unsigned int textId) override {
    if (depth_ == 1) open_->NameBatch(textId);
    Close();
  }
  void Saved() override { MarkClean(); }
  void Replacing() override {
    replacing_ = true;
    UnwatchAll();
  }
  void Replaced(bool changed) override {
    replacing_ = false;
    WatchAll();
    if (changed) Clear();
  }
  void DocumentGone() override {
    UnwatchAll();
    DocumentAccess::Detach(*document_, this);
    document_ = nullptr;
    Forget();
  }

  // NameInterface::Watcher.
  void NameChanged(const NameInterface& named, const std::wstring& oldName) override;

 private:
  bool IsRecording() const { return document_ != nullptr && !busy_ && !replacing_; }

  void WatchAll() {
    for (const ItemPtr& item : document_->Items()) item->Watch(this);
  }
  void UnwatchAll() {
    for (const ItemPtr& item : document_->Items()) item->Unwatch(this);
  }

  void Commit(Step step) {
    if (clean_ != kNowhere && clean_ > undo_.size()) clean_ = kNowhere;  // it was undone
    redo_.clear();
    undo_.push_back(std::move(step));
    Trim();
    RaiseChanged();
  }

  void Trim() {
    while (limit_ != 0 && undo_.size() > limit_) {
      undo_.pop_front();
      if (clean_ != kNowhere) clean_ = clean_ == 0 ? kNowhere : clean_ - 1;
    }
  }

  // Forgets every step after a failure: nothing is thrown.
  void Forget() noexcept {
    undo_.clear();
    redo_.clear();
    if (open_) open_->Records().clear();
    clean_ = kNowhere;
    RaiseChanged();
  }

  // Undoes or redoes one step, recording nothing meanwhile.
  void Replay(detail::Record& step, Effects& effects, bool redo) {
    busy_ = true;
    try {
      if (redo)
        step.Redo(*this, effects);
      else
        step.Undo(*this, effects);
    } catch (...) {
      busy_ = false;
      throw;
    }
    busy_ = false;
  }

  // Raises what the step raises, then sets the changed flag by the clean
  // state (also when a listener throws) and tells Changed's listeners.
  void Finish(Effects& effects) {
    BaseDocument* const document = document_;
    try {
      effects.RaiseAll();
    } catch (...) {
      if (document_ == document && document_ != nullptr) document_->HasChanged(!IsClean());
      throw;
    }
    if (document_ == document && document_ != nullptr) document_->HasChanged(!IsClean());
    history_.changed_.Raise(history_);
  }

  void RaiseChanged() noexcept {
    try {
      history_.changed_.Raise(history_);
    } catch (...) {
    }
  }

  EditHistory& history_;
  BaseDocument* document_;
  std::deque<Step> undo_;              // the last step done at the back
  std::vector<Step> redo_;             // the last step undone at the back
  std::unique_ptr<GroupRecord> open_;  // the open group's step
  int depth_ = 0;
  std::vector<bool> flags_;  // the changed flag as each open group began
  std::size_t limit_ = kDefaultLimit;
  std::size_t clean_ = 0;  // the count of steps done in the clean state
  bool busy_ = false;
  bool replacing_ = false;
};

void GroupRecord::Replay(HistoryRecorder& recorder, Effects& effects, bool redo) {
  const std::size_t count = records_.size();
  const auto at = [&](std::size_t i) -> Record& { return *records_[redo ? i : count - 1 - i]; };
  std::size_t done = 0;
  try {
    for (; done < count; ++done) {
      if (redo)
        at(done).Redo(recorder, effects);
      else
        at(done).Undo(recorder, effects);
    }
  } catch (...) {
    // What the put-back raises is not wanted: the step did not happen.
    Effects ignored(recorder.Target());
    for (std::size_t i = done; i-- > 0;) {
      try {
        if (redo)
          at(i).Undo(recorder, ignored);
        else
          at(i).Redo(recorder, ignored);
      } catch (...) {
      }
    }
    throw;
  }
}

namespace {

// An item came in: Create, AddItem, DuplicateItem or PasteItem.
class InsertRecord final : public Record {
 public:
  InsertRecord(const ItemPtr& item, std::size_t position, const Insertion& how)
      : item_(item), position_(position), kind_(how.kind) {
    if (kind_ == Insertion::Duplicated && how.source != nullptr)
      names_.reset(new Names{how.source->Name(), how.source->Type()});
    else if (kind_ == Insertion::Pasted)
      names_.reset(new Names{how.formerName, item->Name()});
  }

  void Undo(HistoryRecorder& recorder, Effects& effects) override {
    recorder.Remove(item_, position_);
    effects.Removal(item_);
    // The item leaves under its pasted name, and then takes its own again.
    if (kind_ == Insertion::Pasted) {
      const ItemPtr item = item_;
      const std::wstring name = names_->first;
      effects.Later([item, name] { item->Rename(name); });
    }
  }

  void Redo(HistoryRecorder& recorder, Effects& effects) override {
    if (kind_ == Insertion::Pasted) item_->Rename(names_->second);
    recorder.Insert(item_, position_);
    if (kind_ == Insertion::Created) {
      effects.Announce(1963, item_);
      effects.Raise(&Signals::SignalManager::ItemCreated, item_);
    } else if (kind_ == Insertion::Duplicated) {
      // Worded as DuplicateItem words it.
      effects.Announce(
          Orvanta::LibraryText(1964, {{L"<Name/>", names_ ? names_->first : std::wstring()},
                                      {L"<Type/>", names_ ? names_->second : std::wstring()},
                                      {L"<Name/>", item_->Name()}}));
      effects.Raise(&Signals::SignalManager::ItemCreated, item_);
    }
    effects.Addition(item_);
  }

  std::wstring Text() const override {
    switch (kind_) {
      case Insertion::Created:
        return Named(kCreateText, item_->Name());
      case Insertion::Duplicated:
        return Named(kDuplicateText, names_ ? names_->first : L"");
      case Insertion::Pasted:
        return Named(kPasteText, names_->second);
      default:
        return Named(kAddText, item_->Name());
    }
  }

 private:
  ItemPtr item_;
  std::size_t position_;
  Insertion::Kind kind_;
  // Duplicated: the source's name and type; Pasted: the item's name before
  // and after. Nothing for the others, which are most.
  struct Names {
    std::wstring first, second;
  };
  std::unique_ptr<const Names> names_;
};

// RemoveItem took an item out.
class RemoveRecord final : public Record {
 public:
  RemoveRecord(const ItemPtr& item, std::size_t position) : item_(item), position_(position) {}

  void Undo(HistoryRecorder& recorder, Effects& effects) override {
    recorder.Insert(item_, position_);
    effects.Announce(1963, item_);
    effects.Raise(&Signals::SignalManager::ItemCreated, item_);
    effects.Addition(item_);
  }
  void Redo(HistoryRecorder& recorder, Effects& effects) override {
    recorder.Remove(item_, position_);
    effects.Removal(item_);
  }
  std::wstring Text() const override { return Named(kRemoveText, item_->Name()); }

 private:
  ItemPtr item_;
  std::size_t position_;
};

// ClearItems: silent both ways, as ClearItems is.
class ClearRecord final : public Record {
 public:
  explicit ClearRecord(const std::vector<ItemPtr>& items) : items_(items) {}

  void Undo(HistoryRecorder& recorder, Effects& effects) override {
    recorder.SetContent(items_);
    effects.Refresh();
  }
  void Redo(HistoryRecorder& recorder, Effects& effects) override {
    recorder.SetContent(std::vector<ItemPtr>());
    effects.Refresh();
  }
  std::wstring Text() const override { return Orvanta::LibraryText(kClearText); }

 private:
  std::vector<ItemPtr> items_;
};

// A sort that changed the order.
class OrderRecord final : public Record {
 public:
  OrderRecord(const std::vector<ItemPtr>& before, const std::vector<ItemPtr>& after,
              unsigned int textId)
      : before_(before), after_(after), text_id_(textId) {}

  void Undo(HistoryRecorder& recorder, Effects& effects) override {
    recorder.SetContent(before_);
    effects.Broadcast(kOrderRestored);
  }
  void Redo(HistoryRecorder& recorder, Effects& effects) override {
    recorder.SetContent(after_);
    effects.Broadcast(text_id_);
  }
  std::wstring Text() const override {
    return Orvanta::LibraryText(text_id_ == 1974 ? kSortByTypeText : kSortByNameText);
  }

 private:
  std::vector<ItemPtr> before_, after_;
  unsigned int text_id_;
};

// A held item's new name.
class RenameRecord final : public Record {
 public:
  RenameRecord(const ItemPtr& item, const std::wstring& oldName)
      : item_(item), old_name_(oldName), new_name_(item->Name()) {}

  void Undo(HistoryRecorder&, Effects&) override { item_->Rename(old_name_); }
  void Redo(HistoryRecorder&, Effects&) override { item_->Rename(new_name_); }
  std::wstring Text() const override { return Named(kRenameText, old_name_); }

 private:
  ItemPtr item_;
  std::wstring old_name_, new_name_;
};

// EditHistory::Change: the item's state before and after.
class ChangeRecord final : public Record {
 public:
  ChangeRecord(const ItemPtr& item, std::wstring text, std::unique_ptr<ItemState> before,
               std::unique_ptr<ItemState> after)
      : item_(item), text_(std::move(text)), before_(std::move(before)), after_(std::move(after)) {}

  void Undo(HistoryRecorder&, Effects& effects) override { Restore(*before_, effects); }
  void Redo(HistoryRecorder&, Effects& effects) override { Restore(*after_, effects); }
  std::wstring Text() const override { return text_; }

 private:
  void Restore(const ItemState& state, Effects& effects) {
    state.Restore();
    effects.Raise(&Signals::SignalManager::ItemChanged, item_);
  }

  ItemPtr item_;
  std::wstring text_;
  std::unique_ptr<ItemState> before_, after_;
};

// A host's edit.
class HostRecord final : public Record {
 public:
  explicit HostRecord(std::unique_ptr<EditHistory::Edit> edit) : edit_(std::move(edit)) {}
  void Undo(HistoryRecorder&, Effects&) override { edit_->Undo(); }
  void Redo(HistoryRecorder&, Effects&) override { edit_->Redo(); }
  std::wstring Text() const override { return edit_->Text(); }

 private:
  std::unique_ptr<EditHistory::Edit> edit_;
};

// A host's edit given as functions.
class FunctionEdit final : public EditHistory::Edit {
 public:
  FunctionEdit(const std::wstring& text, std::function<void()> undo, std::function<void()> redo)
      : text_(text), undo_(std::move(undo)), redo_(std::move(redo)) {}
  void Undo() override { undo_(); }
  void Redo() override { redo_(); }
  std::wstring Text() const override { return text_; }

 private:
  std::wstring text_;
  std::function<void()> undo_, redo_;
};

}  // namespace

// While the content is replaced no item is watched: Replaced watches those
// it ends with.
void HistoryRecorder::Inserted(const ItemPtr& item, std::size_t position, const Insertion& how) {
  if (replacing_) return;
  item->Watch(this);
  if (IsRecording()) Record(std::unique_ptr<detail::Record>(new InsertRecord(item, position, how)));
}

void HistoryRecorder::Removed(const ItemPtr& item, std::size_t position) {
  if (replacing_) return;
  item->Unwatch(this);
  if (IsRecording()) Record(std::unique_ptr<detail::Record>(new RemoveRecord(item, position)));
}

void HistoryRecorder::Cleared(const std::vector<ItemPtr>& items) {
  if (replacing_) return;
  for (const ItemPtr& item : items) item->Unwatch(this);
  if (IsRecording() && !items.empty())
    Record(std::unique_ptr<detail::Record>(new ClearRecord(items)));
}

void HistoryRecorder::Reordered(const std::vector<ItemPtr>& before, unsigned int textId) {
  if (IsRecording() && before != document_->Items())
    Record(std::unique_ptr<detail::Record>(new OrderRecord(before, document_->Items(), textId)));
}

void HistoryRecorder::NameChanged(const NameInterface& named, const std::wstring& oldName) {
  if (!IsRecording()) return;
  // Only held items are watched, and an item derives from NameInterface.
  const Item& item = static_cast<const Item&>(named);
  const boost::weak_ptr<const Item> self = item.weak_from_this();
  const ItemPtr owner = boost::const_pointer_cast<Item>(self.lock());
  if (owner) Record(std::unique_ptr<detail::Record>(new RenameRecord(owner, oldName)));
}

}  // namespace detail

EditHistory::Edit::~Edit() = default;
detail::ItemState::~ItemState() = default;

EditHistory::Group::Group(EditHistory& history, const std::wstring& text)
    : history_(history),
      mark_(history.recorder_->Open(text)),
      exceptions_(std::uncaught_exceptions()) {}

EditHistory::Group::~Group() {
  detail::HistoryRecorder& recorder = *history_.recorder_;
  if (std::uncaught_exceptions() > exceptions_) recorder.RollBack(mark_);
  try {
    recorder.Close();
  } catch (...) {
    // A destructor never throws; Close keeps the history whole.
  }
}

EditHistory::EditHistory(BaseDocument& document)
    : recorder_(new detail::HistoryRecorder(*this, document)) {}

EditHistory::~EditHistory() = default;

BaseDocument* EditHistory::Document() const { return recorder_->Document(); }

bool EditHistory::CanUndo() const {
  return recorder_->Document() != nullptr && !recorder_->Undone().empty();
}
bool EditHistory::CanRedo() const {
  return recorder_->Document() != nullptr && !recorder_->Redone().empty();
}

std::wstring EditHistory::UndoText() const {
  if (!CanUndo()) return LibraryText(detail::kNothingToUndo);
  return detail::Fill(detail::kUndoText, {{L"<Action/>", recorder_->Undone().back()->Text()}});
}

std::wstring EditHistory::RedoText() const {
  if (!CanRedo()) return LibraryText(detail::kNothingToRedo);
  return detail::Fill(detail::kRedoText, {{L"<Action/>", recorder_->Redone().back()->Text()}});
}

std::size_t EditHistory::UndoCount() const { return recorder_->Undone().size(); }
std::size_t EditHistory::RedoCount() const { return recorder_->Redone().size(); }
bool EditHistory::Undo() { return recorder_->Undo(); }
bool EditHistory::Redo() { return recorder_->Redo(); }
std::size_t EditHistory::Limit() const { return recorder_->Limit(); }
void EditHistory::SetLimit(std::size_t steps) { recorder_->SetLimit(steps); }
void EditHistory::Clear() { recorder_->Clear(); }
void EditHistory::MarkClean() { recorder_->MarkClean(); }
bool EditHistory::IsClean() const { return recorder_->IsClean(); }

void EditHistory::Push(std::unique_ptr<Edit> edit) {
  if (!edit) throw std::invalid_argument("EditHistory::Push");
  recorder_->Record(std::unique_ptr<detail::Record>(new detail::HostRecord(std::move(edit))));
}

void EditHistory::Push(const std::wstring& text, std::function<void()> undo,
                       std::function<void()> redo) {
  if (!undo || !redo) throw std::invalid_argument("EditHistory::Push");
  Push(std::unique_ptr<Edit>(new detail::FunctionEdit(text, std::move(undo), std::move(redo))));
}

std::size_t EditHistory::BeginChange() { return recorder_->Open(std::wstring()); }

void EditHistory::EndChange(const ItemPtr& item, const std::wstring& property,
                            std::unique_ptr<detail::ItemState> before,
                            std::unique_ptr<detail::ItemState> after) noexcept {
  try {
    std::wstring text = detail::Fill(detail::kChangeText,
                                     {{L"<Property/>", property}, {L"<Name/>", before->Name()}});
    recorder_->NameOpenStep(text);
    recorder_->Record(std::unique_ptr<detail::Record>(
        new detail::ChangeRecord(item, std::move(text), std::move(before), std::move(after))));
  } catch (...) {
    // No memory for the record: the change stays made, and is not undoable.
  }
  try {
    recorder_->Close();
  } catch (...) {
  }
}

void EditHistory::AbandonChange(std::size_t mark, const detail::ItemState* before) noexcept {
  recorder_->RollBack(mark);
  if (before != nullptr) {
    try {
      before->Restore();
    } catch (...) {
    }
  }
  try {
    recorder_->Close();
  } catch (...) {
  }
}

}  // namespace Orvanta
