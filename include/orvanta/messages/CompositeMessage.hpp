// CompositeMessage: a message that groups other messages, shared with whoever
// else holds them, and reports the highest severity found in its tree.
//
//   Orvanta::CompositeMessage log(L"Design check");
//   log.InsertLeaf(new Orvanta::ErrorMessage(L"Section too small"));
//   Orvanta::CompositeMessage copy = log;   // shares the error leaf
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/messages/Message.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API CompositeMessage : public Message,
                                     public CopyAssignable<CompositeMessage>,
                                     public Cloneable<CompositeMessage> {
 public:
  typedef boost::shared_ptr<Message> Child;

  explicit CompositeMessage(const std::wstring& text);
  explicit CompositeMessage(const std::string& text);
  // Copies the message and shares every child of `other`.
  CompositeMessage(const CompositeMessage& other);
  CompositeMessage& operator=(const CompositeMessage& other);
  ~CompositeMessage() override;

  CompositeMessage* Clone() const override;
  // The severity of the first child of greatest severity; Information when
  // there are no children.
  SeverityType Severity() const override;

  // Appends `child`, with no check for duplicates or null.
  void InsertComponent(Child child) override;
  // Takes ownership of `leaf` and appends it.
  void InsertLeaf(LeafMessage* leaf);
  // Removes every entry that is the object `child`.
  void RemoveComponent(Child child) override;
  bool FindComponent(Child child) const override;
  void ClearComponents() override;
  const CompositeMessage* GetComposite() const override { return this; }
  CompositeMessage* GetComposite() override { return this; }

  bool HasChildWithSeverity(SeverityType severity) const;
  const std::vector<Child>& Children() const { return children_; }

  // Generic operations over the direct children, in order.

  // The first child for which `predicate(child)` holds, or null.
  template <class Predicate>
  Child FindChildMessageIf(Predicate predicate) const {
    const auto found = std::find_if(children_.begin(), children_.end(), predicate);
    return found == children_.end() ? Child() : *found;
  }
  // Removes every child for which `predicate(child)` holds.
  template <class Predicate>
  void RemoveChildMessageIf(Predicate predicate) {
    children_.erase(std::remove_if(children_.begin(), children_.end(), predicate), children_.end());
  }
  template <class Function>
  void ForEachChildMessage(Function function) const {
    std::for_each(children_.begin(), children_.end(), function);
  }
  // The first child that no other child exceeds by `less(a, b)`, or null.
  template <class Less>
  Child MaxElement(Less less) const {
    const auto found = std::max_element(children_.begin(), children_.end(), less);
    return found == children_.end() ? Child() : *found;
  }

  void Swap(CompositeMessage& other) noexcept;

 private:
  std::vector<Child> children_;
};

}  // namespace Orvanta
