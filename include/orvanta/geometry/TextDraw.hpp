// TextDraw: one line of text with inline style tags, such as a unit label with
// a superscript power. It parses the tags and keeps track of the styles that
// are on; a subclass supplied by the host draws on its own output device.
//
//   class LabelPainter : public Orvanta::TextDraw {
//    public:
//     using TextDraw::TextDraw;
//     void SuperscriptOn() override { /* raise the baseline, smaller font */ }
//     ...                            // the other on and off operations
//     void DrawText(const std::string& piece) override { /* draw, advance */ }
//   };
//   LabelPainter("kN/m<sup>2</sup>").DrawString();
//   // DrawText("kN/m"), SuperscriptOn(), DrawText("2"), SuperscriptOff()
//
// Tags are <sup>, <bold>, <italic> and <symbol> to switch a style on, and the
// same with "</" to switch it off; names are case-sensitive. A tag that
// would not change the style, or whose name is unknown, does nothing, and no
// tag is ever drawn. A "<" without a ">" after it makes the rest of the text
// a tag, ending at the last character (which is not part of the name). A ">"
// outside a tag is drawn like any other character.
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API TextDraw {
 public:
  // All styles off.
  explicit TextDraw(const std::string& text);

  // Each is called only when its style actually changes.
  virtual void SuperscriptOn() = 0;
  virtual void SuperscriptOff() = 0;
  virtual void BoldOn() = 0;
  virtual void BoldOff() = 0;
  virtual void ItalicOn() = 0;
  virtual void ItalicOff() = 0;
  virtual void SymbolOn() = 0;
  virtual void SymbolOff() = 0;
  // Switches off every style that is on, in the order superscript, bold,
  // italic, symbol, and marks it off. An override that does not call this one
  // leaves the styles marked as they were.
  virtual void ResetAll();
  // Draws a run of plain text in the current styles, continuing from where the
  // previous run ended.
  virtual void DrawText(const std::string& piece) = 0;

  // Declared after the operations above so that they keep their places in
  // the table of virtual functions.
  virtual ~TextDraw();

  // Calls ResetAll(), then draws the text from its start: each run between
  // tags through one DrawText call, each tag through ApplyTagAndSkip.
  void DrawString();
  // Applies the tag whose "<" is at index `pos` of the text and moves the
  // next position past it. Throws std::invalid_argument
  // ("TextDraw::ApplyTagAndSkip") if `pos` is not an index of the text.
  void ApplyTagAndSkip(unsigned pos);

  const std::string& Text() const { return text_; }
  bool IsBold() const { return bold_; }
  bool IsItalic() const { return italic_; }
  bool IsSuperscript() const { return superscript_; }
  bool IsSymbol() const { return symbol_; }

 protected:
  TextDraw(const TextDraw&) = default;
  TextDraw& operator=(const TextDraw&) = default;

 private:
  bool bold_;
  bool italic_;
  bool superscript_;
  bool symbol_;
  std::string text_;
  // The index of the next character to process.
  unsigned position_;
};

}  // namespace Orvanta
