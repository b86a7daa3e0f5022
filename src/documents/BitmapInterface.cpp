#include "orvanta/documents/BitmapInterface.hpp"

namespace Orvanta {

BitmapInterface::~BitmapInterface() = default;

}  // namespace Orvanta
