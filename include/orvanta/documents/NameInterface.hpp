// NameInterface: the name of an object, and renaming that refuses names in use.
//
//   item.UniqueRename(L"Wall 2", {L"Wall 1", L"Wall 2"});  // throws Error 1879
//   item.Rename(L"Wall 3");                                  // no check
//
// A document's index of names follows its items' names: every change of the
// name, by Rename, UniqueRename, Swap or assignment, is reported to it, and
// to the document's edit history if it has one. Only these watch (a watcher
// left behind would dangle); copies start unwatched.
#pragma once

#include <string>
#include <vector>

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

namespace detail {
class ItemNameIndex;
class HistoryRecorder;
}  // namespace detail

class ORVANTA_API NameInterface : public CopyAssignable<NameInterface> {
 public:
  explicit NameInterface(const std::wstring& name = std::wstring());
  NameInterface(const NameInterface& other);
  NameInterface& operator=(const NameInterface& other);
  virtual ~NameInterface();

  std::wstring Name() const { return name_; }
  // Replaces the name; no check.
  void Rename(const std::wstring& name);
  // Renames unless `name` is one of `usedNames` (exact comparison); then throws
  // Error with string-table text 1879 and keeps the name.
  void UniqueRename(const std::wstring& name, const std::vector<std::wstring>& usedNames);
  void Swap(NameInterface& other);

 private:
  friend class detail::ItemNameIndex;
  friend class detail::HistoryRecorder;

  // Told of every change of a watched name. Must stop watching (Unwatch)
  // before it is destroyed.
  class Watcher {
   public:
    virtual void NameChanged(const NameInterface& named, const std::wstring& oldName) = 0;

   protected:
    ~Watcher() = default;
  };

  void Watch(Watcher* watcher) const;
  void Unwatch(Watcher* watcher) const;
  void Announce(const std::wstring& oldName) const;

  std::wstring name_;
  mutable std::vector<Watcher*> watchers_;
};

}  // namespace Orvanta
