// Item: the base class of everything a document holds, assembled from the
// mix-in interfaces (name, notes, drag-and-drop cursors, cloning, visiting,
// validation, composition, type and picture).
//
//   class Beam : public Orvanta::Item {
//    public:
//     Beam* Clone() const override { return new Beam(*this); }
//     std::wstring Type() const override { return L"Beam"; }
//     std::wstring NameStem() const override { return L"Beam"; }
//     Orvanta::BitmapResource Picture(int selector) const override { ... }
//   };
//   Orvanta::ItemPtr beam(new Beam);   // items always live in shared pointers
//   beam->GenerateName(3);             // "Beam 3"
//   beam->SignalItemChanged();         // ItemChanged on the signal hub
//
// A host item class implements exactly Clone(), Type(), NameStem() and
// Picture(int). Interfaces whose operations the library never calls are not
// declared, so there is nothing else to override.
#pragma once

#include <string>

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

#include "orvanta/documents/DragDropInterface.hpp"
#include "orvanta/documents/NameInterface.hpp"
#include "orvanta/documents/NotesInterface.hpp"
#include "orvanta/documents/TypeInterface.hpp"
#include "orvanta/documents/ValidationInterface.hpp"
#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/frame/Component.hpp"
#include "orvanta/frame/Visitor.hpp"
#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API Item : public NameInterface,
                         public NotesInterface,
                         public DragDropInterface,
                         public BaseCloneable<Item>,
                         public BaseVisitable<int>,
                         public ValidationInterface,
                         public Component<Item>,
                         public boost::enable_shared_from_this<Item>,
                         public virtual TypeInterface,
                         public virtual BitmapInterface {
 public:
  Item();
  Item(const std::wstring& name, const std::wstring& notes);
  // Copies name, notes and the lock; the copy is not yet owned by any pointer.
  Item(const Item& other);
  ~Item() override;

  // Exchanges names and notes only.
  void Swap(Item& other);

  // String-table text 1962, "Item".
  std::wstring Breadcrumb() const override;
  // NameStem() unless overridden.
  virtual std::wstring DefaultName() const;
  // DefaultName(), a space and `n`: "Layer 3". Not checked for uniqueness.
  std::wstring GenerateName(unsigned int n) const;

  bool IsLocked() const { return locked_; }
  void SetLock(bool locked) { locked_ = locked; }

  BitmapResource DisplayIcon() const { return Picture(0); }
  BitmapResource DisplayPicture() const { return Picture(1); }

  // Raise ItemChanged / ItemSelected with a shared pointer to this item. Throw
  // boost::bad_weak_ptr, raising nothing, when no shared pointer owns it.
  virtual void SignalItemChanged() const;
  virtual void SignalItemSelected() const;

 protected:
  Item& operator=(const Item& other);

 private:
  bool locked_;
};

typedef boost::shared_ptr<Item> ItemPtr;

}  // namespace Orvanta
