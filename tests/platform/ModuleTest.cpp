#include "orvanta/platform/Module.hpp"

#include <gtest/gtest.h>

#include <cwctype>

#include <boost/dll/runtime_symbol_info.hpp>
#include <boost/filesystem/operations.hpp>

#include "orvanta/platform/ApplicationModule.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"
#include "orvanta/platform/Resource.hpp"

namespace Orvanta {
namespace {

TEST(Module, TheProgramAndTheLibrary) {
  const ApplicationModule program, named(L"Sections", nullptr);
  EXPECT_EQ(L"platform_tests", program.Name());
  EXPECT_EQ(L"Sections", named.Name());
  const wpath file = program.FileName();
  EXPECT_TRUE(boost::filesystem::equivalent(file, boost::dll::program_location().native()));
  EXPECT_EQ(file.parent_path(), program.BranchPath());
  EXPECT_EQ(file, named.FileName());

  const HINSTANCE handle = LoadModule(L"Orvanta.dll");
  const Module library(L"Orvanta.dll", handle);
  EXPECT_EQ(handle, static_cast<HINSTANCE>(library));
  if (handle == nullptr) {  // a static build: the library is part of the executable
    EXPECT_EQ(file, library.FileName());
  } else {
    std::wstring name = boost::filesystem::path(library.FileName())
                            .filename()
                            .wstring();  // Orvanta.dll, liborvanta.so.0
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
    EXPECT_NE(std::wstring::npos, name.find(L"orvanta"));
  }
  EXPECT_EQ(L"A new project has been created", library.LoadStringW(1949));
  EXPECT_EQ(L"", library.LoadStringW(1506));
  FreeModule(handle);
  EXPECT_EQ(nullptr, LoadModule(L"no-such-module.so"));
  EXPECT_THROW(BitmapResource(9999, &library), InternalError);
  EXPECT_THROW(CursorResource(9999, &library), InternalError);
  EXPECT_THROW(SoundResource(9999, &library), InternalError);
}

// One test, because the program version is process-wide and cannot be unset.
TEST(ModuleVersionInfo, ReadsTheProgramVersionOnceSet) {
  const ModuleVersionInfo info(ApplicationModule().Handle());
  try {
    info.GetFileVersionMS();
    ADD_FAILURE() << "no version set, yet one was read";
  } catch (const Error& error) {
    EXPECT_STREQ("Internal error: could not find version information", error.what());
  }
  SetProgramVersion(2, 1, 3, 45, L"2.1.3 beta");
  EXPECT_EQ(0x00020001ul, info.GetFileVersionMS());
  EXPECT_EQ(0x0003002Dul, info.GetFileVersionLS());
  EXPECT_EQ(L"2.1.3 beta", info.ProductVersion(0));
  SetProgramVersion(65535, 16, 0, 65535, L"");
  EXPECT_EQ(0xFFFF0010ul, info.GetFileVersionMS());
  EXPECT_EQ(0x0000FFFFul, info.GetFileVersionLS());
}

}  // namespace
}  // namespace Orvanta
