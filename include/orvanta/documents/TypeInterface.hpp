// TypeInterface and BitmapInterface: what kind of object this is and how it
// looks. Item derives from both, virtually; a host item class implements
// Type(), NameStem() and Picture().
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Resource.hpp"

namespace Orvanta {

class ORVANTA_API TypeInterface {
 public:
  virtual ~TypeInterface();
  // The type's display text; fills <Type/> in messages about the object and is
  // its factory id unless another is given.
  virtual std::wstring Type() const = 0;
  // The text default names are made from ("Layer" gives "Layer 1", ...).
  virtual std::wstring NameStem() const = 0;
  // Where the object sits, for display.
  virtual std::wstring Breadcrumb() const = 0;
};

class ORVANTA_API BitmapInterface {
 public:
  virtual ~BitmapInterface();
  // The object's image: selector 0 its icon, 1 its picture.
  virtual BitmapResource Picture(int selector) const = 0;
};

}  // namespace Orvanta
