#include "orvanta/geometry/TextDraw.hpp"

#include <gtest/gtest.h>

#include <string>

namespace Orvanta {
namespace {

// Writes down every call it receives, separated by blanks: "+sup" and "-sup"
// for SuperscriptOn and SuperscriptOff, and so on, and [piece] for DrawText.
class Recorder final : public TextDraw {
 public:
  using TextDraw::TextDraw;
  std::string calls;

  void SuperscriptOn() override { Note("+sup"); }
  void SuperscriptOff() override { Note("-sup"); }
  void BoldOn() override { Note("+bold"); }
  void BoldOff() override { Note("-bold"); }
  void ItalicOn() override { Note("+italic"); }
  void ItalicOff() override { Note("-italic"); }
  void SymbolOn() override { Note("+symbol"); }
  void SymbolOff() override { Note("-symbol"); }
  void DrawText(const std::string& piece) override { Note("[" + piece + "]"); }

 private:
  void Note(const std::string& call) { calls += (calls.empty() ? "" : " ") + call; }
};

std::string CallsFor(const std::string& text) {
  Recorder recorder(text);
  recorder.DrawString();
  return recorder.calls;
}

TEST(TextDraw, CallsForTaggedText) {
  const struct {
    const char* text;
    const char* calls;
  } cases[] = {
      {"m<sup>2</sup>", "[m] +sup [2] -sup"},
      {"kN/m", "[kN/m]"},
      {"", ""},
      {"<bold><bold>x</bold></bold>y", "+bold [x] -bold [y]"},
      {"<bold><italic>x</bold>y</italic>", "+bold +italic [x] -bold [y] -italic"},
      {"<symbol>a</symbol>b", "+symbol [a] -symbol [b]"},
      {"a<unknown>b", "[a] [b]"},
      {"<Bold>a<SUP>b", "[a] [b]"},
      {"<>a</>b<", "[a] [b]"},
      {"a>b <c", "[a>b ]"},
      {"x<bold", "[x]"},                // the last character ends the tag: "bol"
      {"x<sup2", "[x] +sup"},           // and here the name is "sup"
      {"x<bold y</bold>z", "[x] [z]"},  // the name is "bold y</bold"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.calls, CallsFor(c.text));
  }
}

TEST(TextDraw, StylesLeftOnAreSwitchedOffBeforeTheNextDrawing) {
  Recorder recorder("<sup><symbol><italic><bold>x");
  recorder.DrawString();
  EXPECT_EQ("+sup +symbol +italic +bold [x]", recorder.calls);

  recorder.calls.clear();
  recorder.DrawString();
  EXPECT_EQ("-sup -bold -italic -symbol +sup +symbol +italic +bold [x]", recorder.calls);

  recorder.calls.clear();
  recorder.ResetAll();
  recorder.ResetAll();
  EXPECT_EQ("-sup -bold -italic -symbol", recorder.calls);
}

}  // namespace
}  // namespace Orvanta
