// A TextDraw that writes down every call it receives, in order: "+sup" and
// "-sup" for SuperscriptOn and SuperscriptOff (and so on for bold, italic and
// symbol), "[piece]" for DrawText. Used by the tests and the fuzz target.
#pragma once

#include <string>
#include <vector>

#include "orvanta/geometry/TextDraw.hpp"

namespace Orvanta {
namespace testing {

class TextDrawRecorder final : public TextDraw {
 public:
  using TextDraw::TextDraw;

  void SuperscriptOn() override { calls.push_back("+sup"); }
  void SuperscriptOff() override { calls.push_back("-sup"); }
  void BoldOn() override { calls.push_back("+bold"); }
  void BoldOff() override { calls.push_back("-bold"); }
  void ItalicOn() override { calls.push_back("+italic"); }
  void ItalicOff() override { calls.push_back("-italic"); }
  void SymbolOn() override { calls.push_back("+symbol"); }
  void SymbolOff() override { calls.push_back("-symbol"); }
  void DrawText(const std::string& piece) override { calls.push_back("[" + piece + "]"); }

  // The calls so far, separated by blanks, which are forgotten.
  std::string Take() {
    std::string text;
    for (const std::string& call : calls) text += (text.empty() ? "" : " ") + call;
    calls.clear();
    return text;
  }

  // Superscript, bold, italic and symbol, whether each is on now.
  std::vector<bool> Styles() const { return {IsSuperscript(), IsBold(), IsItalic(), IsSymbol()}; }

  std::vector<std::string> calls;
};

}  // namespace testing
}  // namespace Orvanta
