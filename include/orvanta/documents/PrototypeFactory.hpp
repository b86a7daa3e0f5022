// PrototypeFactory<T, Map>: a registry of prototypes by id, for making new
// objects by cloning. ItemFactory is the library's one.
#pragma once

#include <map>
#include <string>

#include <boost/shared_ptr.hpp>

namespace Orvanta {

template <class T, class Map = std::map<std::wstring, boost::shared_ptr<T>>>
class PrototypeFactory {
 public:
  typedef typename Map::key_type Id;
  typedef boost::shared_ptr<T> Prototype;

  // Registers `prototype` under `id`. False, changing nothing, when the
  // prototype is null, the id empty or the id taken.
  bool Register(const Prototype& prototype, const Id& id) {
    if (!prototype || id.empty()) return false;
    return prototypes_.emplace(id, prototype).second;
  }

  // The prototype registered under `id`, or null.
  Prototype Find(const Id& id) const {
    const auto found = prototypes_.find(id);
    return found == prototypes_.end() ? Prototype() : found->second;
  }

  const Map& Prototypes() const { return prototypes_; }

 protected:
  PrototypeFactory() = default;
  ~PrototypeFactory() = default;

 private:
  Map prototypes_;
};

}  // namespace Orvanta
