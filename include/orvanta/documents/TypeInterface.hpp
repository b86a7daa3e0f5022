// TypeInterface: what kind of object this is. Item derives from it, virtually;
// a host item class implements Type() and NameStem(). BitmapInterface, how it
// looks, is in BitmapInterface.hpp (included here, where it has always been
// found).
#pragma once

#include <string>

#include "orvanta/documents/BitmapInterface.hpp"
#include "orvanta/platform/Export.hpp"

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

}  // namespace Orvanta
