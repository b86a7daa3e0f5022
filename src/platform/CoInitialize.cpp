#include "orvanta/platform/CoInitialize.hpp"

#include "Backend.hpp"

namespace Orvanta {

CoInitialize::CoInitialize(unsigned long flags) : initialised_(sys::ComInitialize(flags)) {}

CoInitialize::~CoInitialize() {
  if (initialised_) sys::ComUninitialize();
}

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/CoInitialize.inc"
#else
#include "Unix/CoInitialize.inc"
#endif
