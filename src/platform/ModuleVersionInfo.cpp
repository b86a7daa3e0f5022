#include "orvanta/platform/ModuleVersionInfo.hpp"

#include "Backend.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/LibraryText.hpp"

namespace Orvanta {
namespace {

struct VersionResource {
  bool present = false;
  unsigned long mostSignificant = 0;
  unsigned long leastSignificant = 0;
  std::wstring productVersion;
};

VersionResource& ProgramVersion() {
  static VersionResource version;
  return version;
}

VersionResource Read(HINSTANCE module) {
  if ((module == nullptr || module == sys::ExecutableModule()) && ProgramVersion().present)
    return ProgramVersion();
  VersionResource version;
  version.present = sys::ReadVersionResource(module, version.mostSignificant,
                                             version.leastSignificant, version.productVersion);
  if (!version.present) throw Error(LibraryText(1884));
  return version;
}

}  // namespace

void SetProgramVersion(unsigned short major, unsigned short minor, unsigned short release,
                       unsigned short build, const std::wstring& productVersion) {
  VersionResource& version = ProgramVersion();
  version.present = true;
  version.mostSignificant = (static_cast<unsigned long>(major) << 16) | minor;
  version.leastSignificant = (static_cast<unsigned long>(release) << 16) | build;
  version.productVersion = productVersion;
}

ModuleVersionInfo::ModuleVersionInfo(HINSTANCE module) : module_(module) {}

unsigned long ModuleVersionInfo::GetFileVersionMS() const { return Read(module_).mostSignificant; }

unsigned long ModuleVersionInfo::GetFileVersionLS() const { return Read(module_).leastSignificant; }

std::wstring ModuleVersionInfo::ProductVersion(unsigned int) const {
  return Read(module_).productVersion;
}

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/ModuleVersionInfo.inc"
#else
#include "Unix/ModuleVersionInfo.inc"
#endif
