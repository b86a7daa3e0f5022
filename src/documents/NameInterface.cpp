#include "orvanta/documents/NameInterface.hpp"

#include <algorithm>
#include <utility>

#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/LibraryText.hpp"

namespace Orvanta {

NameInterface::NameInterface(const std::wstring& name) : name_(name) {}

NameInterface::NameInterface(const NameInterface& other) : name_(other.name_) {}

NameInterface& NameInterface::operator=(const NameInterface& other) {
  Rename(other.name_);
  return *this;
}

NameInterface::~NameInterface() = default;

void NameInterface::Rename(const std::wstring& name) {
  std::wstring old = std::exchange(name_, name);
  Announce(old);
}

void NameInterface::UniqueRename(const std::wstring& name,
                                 const std::vector<std::wstring>& usedNames) {
  if (std::find(usedNames.begin(), usedNames.end(), name) != usedNames.end())
    throw Error(LibraryText(1879, {{L"<Name/>", name}}));
  Rename(name);
}

void NameInterface::Swap(NameInterface& other) {
  name_.swap(other.name_);
  Announce(other.name_);
  other.Announce(name_);
}

void NameInterface::Watch(Watcher* watcher) const { watchers_.push_back(watcher); }

void NameInterface::Unwatch(Watcher* watcher) const {
  const auto found = std::find(watchers_.begin(), watchers_.end(), watcher);
  if (found != watchers_.end()) watchers_.erase(found);
}

void NameInterface::Announce(const std::wstring& oldName) const {
  if (oldName == name_) return;
  // A copy: a watcher may stop watching while it is told.
  const std::vector<Watcher*> watchers = watchers_;
  for (Watcher* watcher : watchers) watcher->NameChanged(*this, oldName);
}

}  // namespace Orvanta
