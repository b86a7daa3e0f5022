// CoInitialize: the component system initialised on the calling thread for the
// life of the object, where the system has one (on POSIX it has nothing to do).
//
//   { Orvanta::CoInitialize com(2); /* apartment-threaded */ ... }
#pragma once

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API CoInitialize {
 public:
  explicit CoInitialize(unsigned long flags);
  ~CoInitialize();
  CoInitialize(const CoInitialize&) = delete;
  CoInitialize& operator=(const CoInitialize&) = delete;

 private:
  bool initialised_;
};

}  // namespace Orvanta
