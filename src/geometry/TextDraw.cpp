#include "orvanta/geometry/TextDraw.hpp"

#include <cstring>
#include <stdexcept>

namespace Orvanta {

TextDraw::TextDraw(const std::string& text)
    : bold_(false),
      italic_(false),
      superscript_(false),
      symbol_(false),
      text_(text),
      position_(0) {}

TextDraw::~TextDraw() = default;

void TextDraw::ResetAll() {
  if (superscript_) {
    SuperscriptOff();
    superscript_ = false;
  }
  if (bold_) {
    BoldOff();
    bold_ = false;
  }
  if (italic_) {
    ItalicOff();
    italic_ = false;
  }
  if (symbol_) {
    SymbolOff();
    symbol_ = false;
  }
}

void TextDraw::DrawString() {
  position_ = 0;
  ResetAll();
  for (std::string::size_type i = text_.find('<', position_); i != std::string::npos;
       i = text_.find('<', position_)) {
    if (position_ < i) DrawText(text_.substr(position_, i - position_));
    position_ = static_cast<unsigned>(i);
    ApplyTagAndSkip(position_);
  }
  if (position_ < text_.size()) DrawText(text_.substr(position_));
}

void TextDraw::ApplyTagAndSkip(unsigned pos) {
  if (pos >= text_.size()) throw std::invalid_argument("TextDraw::ApplyTagAndSkip");

  std::string::size_type end = text_.find('>', pos);
  if (end == std::string::npos) end = text_.size() - 1;
  const bool closing = pos + 1 < text_.size() && text_[pos + 1] == '/';
  const std::string::size_type start = pos + (closing ? 2 : 1);
  const std::string::size_type length = end > start ? end - start : 0;
  const auto is_name = [&](const char* name) {
    return length == std::strlen(name) && text_.compare(start, length, name) == 0;
  };

  // The style's flag, and its on and off operations.
  bool* flag = nullptr;
  void (TextDraw::*on)() = nullptr;
  void (TextDraw::*off)() = nullptr;
  if (is_name("sup")) {
    flag = &superscript_;
    on = &TextDraw::SuperscriptOn;
    off = &TextDraw::SuperscriptOff;
  } else if (is_name("bold")) {
    flag = &bold_;
    on = &TextDraw::BoldOn;
    off = &TextDraw::BoldOff;
  } else if (is_name("italic")) {
    flag = &italic_;
    on = &TextDraw::ItalicOn;
    off = &TextDraw::ItalicOff;
  } else if (is_name("symbol")) {
    flag = &symbol_;
    on = &TextDraw::SymbolOn;
    off = &TextDraw::SymbolOff;
  }

  if (flag != nullptr && *flag == closing) {
    (this->*(closing ? off : on))();
    *flag = !closing;
  }
  position_ = static_cast<unsigned>(end + 1);
}

}  // namespace Orvanta
