// ModuleVersionInfo: the version resource of a module, and SetProgramVersion,
// which supplies the host executable's version where executables carry no
// version resource.
//
//   Orvanta::SetProgramVersion(2, 1, 3, 45, L"2.1.3");
//   Orvanta::ModuleVersionInfo info(Orvanta::ApplicationModule().Handle());
//   unsigned major = info.GetFileVersionMS() >> 16;  // 2
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

// Sets what the version resource of the host executable holds. Call it once at
// start-up, before the application object is built.
ORVANTA_API void SetProgramVersion(unsigned short major, unsigned short minor,
                                   unsigned short release, unsigned short build,
                                   const std::wstring& productVersion);

class ORVANTA_API ModuleVersionInfo {
 public:
  explicit ModuleVersionInfo(HINSTANCE module);

  // Every reading throws Error with string-table text 1884 ("Internal error:
  // could not find version information") when the module has no version.

  // Major version in the high 16 bits, minor in the low 16 bits.
  unsigned long GetFileVersionMS() const;
  // Release number in the high 16 bits, build number in the low 16 bits.
  unsigned long GetFileVersionLS() const;
  // The product-version text; `language` is the resource's language block,
  // 0 for the first one.
  std::wstring ProductVersion(unsigned int language) const;

 private:
  HINSTANCE module_;
};

}  // namespace Orvanta
