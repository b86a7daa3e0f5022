#include "orvanta/platform/Error.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace Orvanta {
namespace {

TEST(Error, WhatIsUtf8OfTheFilledText) {
  Error error(L"Cannot open '<Path/>'. <Reason/>");
  error.Replace(L"<Path/>", L"/home/\u00e5sa/Br\u00fccke.xml");
  error.Replace(L"<Reason/>", L"");
  EXPECT_STREQ("Cannot open '/home/\xC3\xA5sa/Br\xC3\xBC" "cke.xml'. ", error.what());
  EXPECT_EQ(L"Cannot open '/home/\u00e5sa/Br\u00fccke.xml'. ", error.Text());
}

TEST(Error, NarrowTextIsTakenAsUtf8) {
  const Error error(std::string("20 \xC2\xB0" "C"));
  EXPECT_EQ(L"20 \u00b0C", error.Text());
  EXPECT_STREQ("20 \xC2\xB0" "C", error.what());
  EXPECT_EQ(L"bad \uFFFD", Error(std::string("bad \xFF")).Text());
}

TEST(Error, ReplaceFillsFirstOccurrenceOnly) {
  Error error(L"'<Name/>' (<Type/>) duplicated as '<Name/>'");
  error.Replace(L"<Name/>", L"Wall 1");
  EXPECT_EQ(L"'Wall 1' (<Type/>) duplicated as '<Name/>'", error.Text());
  error.Replace(L"<name/>", L"ignored");
  error.Replace(L"", L"ignored");
  error.Replace(L"<Missing/>", L"ignored");
  EXPECT_EQ(L"'Wall 1' (<Type/>) duplicated as '<Name/>'", error.Text());
}

TEST(Error, PlatformErrorsAreCaughtAsError) {
  const auto text = [](auto thrower) -> std::string {
    try {
      thrower();
    } catch (const Error& error) {
      return error.what();
    }
    return "nothing thrown";
  };
  EXPECT_EQ("Module::LoadStringW", text([] { throw InternalError(L"Module::LoadStringW"); }));
  EXPECT_EQ("'WinHelpW' is not available on this system",
            text([] { throw FunctionUnavailableError(L"WinHelpW"); }));
  EXPECT_EQ("The specified path is empty", text([] { throw NoPathError(); }));

  const std::exception& base = InternalError(L"x");
  EXPECT_STREQ("x", base.what());
}

}  // namespace
}  // namespace Orvanta
