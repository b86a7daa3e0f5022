// The acyclic visitor: a visitor declares which classes it visits by deriving
// from Visitor<T, R> for each; an object that is not visited returns 0.
//
//   struct Counter : Orvanta::BaseVisitor,
//                    Orvanta::Visitor<Orvanta::BaseVisitable<int>, int> {
//     int Visit(Orvanta::BaseVisitable<int>&) override { return ++count; }
//     int count = 0;
//   };
//   item.Accept(counter);
#pragma once

namespace Orvanta {

class BaseVisitor {
 public:
  virtual ~BaseVisitor() = default;
};

template <class T, class R = void>
class Visitor {
 public:
  virtual ~Visitor() = default;
  virtual R Visit(T& visited) = 0;
};

template <class R>
class BaseVisitable {
 public:
  virtual ~BaseVisitable() = default;

  // Visit(*this) when `visitor` visits BaseVisitable<R>, else R().
  virtual R Accept(BaseVisitor& visitor) {
    if (auto* v = dynamic_cast<Visitor<BaseVisitable<R>, R>*>(&visitor)) return v->Visit(*this);
    return R();
  }
  virtual R Accept(BaseVisitor& visitor) const {
    if (auto* v = dynamic_cast<Visitor<const BaseVisitable<R>, R>*>(&visitor))
      return v->Visit(*this);
    return R();
  }

 protected:
  BaseVisitable() = default;
  BaseVisitable(const BaseVisitable&) = default;
  BaseVisitable& operator=(const BaseVisitable&) = default;
};

}  // namespace Orvanta
