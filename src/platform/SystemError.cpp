#include "orvanta/platform/SystemError.hpp"

#include "Backend.hpp"

namespace Orvanta {

std::wstring LastErrorAsText() { return sys::LastErrorText(); }

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/SystemError.inc"
#else
#include "Unix/SystemError.inc"
#endif
