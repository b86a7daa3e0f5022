#include "orvanta/frame/OrvantaDLL.hpp"

#include <gtest/gtest.h>

#include <type_traits>

namespace Orvanta {
namespace {

static_assert(!std::is_copy_constructible<OrvantaDLL>::value, "one module object only");
static_assert(std::is_base_of<Module, OrvantaDLL>::value, "the module is a Module");

TEST(OrvantaDLL, OneModuleNamedAfterTheLibrary) {
  OrvantaDLL* first = OrvantaDLL::Instance();
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(first, OrvantaDLL::Instance());
  EXPECT_EQ(L"Orvanta.dll", first->Name());
  EXPECT_EQ(LoadModule(L"Orvanta.dll"), first->Handle());
  FreeModule(first->Handle());
  EXPECT_FALSE(first->FileName().empty());
}

}  // namespace
}  // namespace Orvanta
