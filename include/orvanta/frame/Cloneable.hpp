// Mix-ins for class hierarchies whose objects copy themselves.
//
//   class Shape : public Orvanta::BaseCloneable<Shape> { ... };
//   class Circle : public Shape, public Orvanta::Cloneable<Circle> {
//    public:
//     Circle* Clone() const override { return CloneByCopy(); }
//   };
//   std::unique_ptr<Shape> copy(shape.Clone());
#pragma once

namespace Orvanta {

// The root of a hierarchy of self-copying objects.
template <class T>
class BaseCloneable {
 public:
  virtual ~BaseCloneable() = default;
  // A new copy of the object, of its dynamic type; the caller owns it.
  virtual T* Clone() const = 0;

 protected:
  BaseCloneable() = default;
  BaseCloneable(const BaseCloneable&) = default;
  BaseCloneable& operator=(const BaseCloneable&) = default;
};

// Gives T a copy of itself made by its copy constructor, for its Clone().
template <class T>
class Cloneable {
 protected:
  T* CloneByCopy() const { return new T(static_cast<const T&>(*this)); }
};

// Copy-and-swap assignment for T, which has a member Swap(T&): either the
// assignment succeeds or the object is left as it was.
template <class T>
class CopyAssignable {
 protected:
  T& AssignByCopyAndSwap(const T& other) {
    T copy(other);
    static_cast<T&>(*this).Swap(copy);
    return static_cast<T&>(*this);
  }
};

}  // namespace Orvanta
