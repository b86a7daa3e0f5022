// Component<T>: the composite pattern's common interface, with the behaviour
// of a leaf. A class whose objects hold children of type T overrides it.
//
//   class Item : public Orvanta::Component<Item> { ... };
//   item->InsertComponent(other);   // a leaf throws CompositeInsertionError
#pragma once

#include <cstddef>

#include <boost/shared_ptr.hpp>

#include "orvanta/frame/CompositeInsertionError.hpp"

namespace Orvanta {

template <class T>
class Component {
 public:
  virtual ~Component() = default;

  // A leaf has no children: throws CompositeInsertionError.
  virtual void InsertComponent(boost::shared_ptr<T>) {
    throw CompositeInsertionError(L"Component<T>::InsertComponent");
  }
  // Whether `child` was removed; a leaf removes nothing.
  virtual bool RemoveComponent(boost::shared_ptr<T>) { return false; }
  virtual bool HasComponents() const { return NumComponents() != 0; }
  // Whether `child` is one of the children.
  virtual bool ContainsComponent(boost::shared_ptr<const T>) const { return false; }
  virtual void ClearComponents() {}
  virtual std::size_t NumComponents() const { return 0; }

 protected:
  Component() = default;
  Component(const Component&) = default;
  Component& operator=(const Component&) = default;
};

}  // namespace Orvanta
