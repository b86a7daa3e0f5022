#include "orvanta/platform/FileAttributes.hpp"

#include "Backend.hpp"

namespace Orvanta {

bool IsFileReadOnly(const wpath& file) { return sys::IsFileReadOnly(file); }
void MakeFileReadOnly(wpath& file) { sys::SetFileReadOnly(file, true); }
void MakeFileReadWrite(wpath& file) { sys::SetFileReadOnly(file, false); }

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/FileAttributes.inc"
#else
#include "Unix/FileAttributes.inc"
#endif
