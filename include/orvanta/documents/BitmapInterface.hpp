// BitmapInterface: how an object looks. Item derives from it, virtually; a
// host item class implements Picture().
#pragma once

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Resource.hpp"

namespace Orvanta {

class ORVANTA_API BitmapInterface {
 public:
  virtual ~BitmapInterface();
  // The object's image: selector 0 its icon, 1 its picture.
  virtual BitmapResource Picture(int selector) const = 0;
};

}  // namespace Orvanta
