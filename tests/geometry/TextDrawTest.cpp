#include "orvanta/geometry/TextDraw.hpp"

#include <gtest/gtest.h>

#include <string>

#include "TextDrawRecorder.hpp"

namespace Orvanta {
namespace {

TEST(TextDraw, CallsForTaggedText) {
  const struct {
    const char* text;
    const char* calls;
  } cases[] = {
      {"m<sup>2</sup>", "[m] +sup [2] -sup"},
      {"<bold><bold>x</bold></bold>y", "+bold [x] -bold [y]"},
      {"<bold><italic>x</bold>y</italic>", "+bold +italic [x] -bold [y] -italic"},
      {"a<unknown>b", "[a] [b]"},
      {"<>a</>b<", "[a] [b]"},
      {"x<bold", "[x]"},                // the last character ends the tag: "bol"
      {"x<sup2", "[x] +sup"},           // and here the name is "sup"
      {"x<bold y</bold>z", "[x] [z]"},  // the name is "bold y</bold"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    testing::TextDrawRecorder recorder(c.text);
    recorder.DrawString();
    EXPECT_EQ(c.calls, recorder.Take());
  }
}

TEST(TextDraw, StylesLeftOnAreSwitchedOffBeforeTheNextDrawing) {
  testing::TextDrawRecorder recorder("<sup><symbol><italic><bold>x");
  recorder.DrawString();
  EXPECT_EQ("+sup +symbol +italic +bold [x]", recorder.Take());
  recorder.DrawString();
  EXPECT_EQ("-sup -bold -italic -symbol +sup +symbol +italic +bold [x]", recorder.Take());
  recorder.ResetAll();
  EXPECT_EQ("-sup -bold -italic -symbol", recorder.Take());
}

}  // namespace
}  // namespace Orvanta
