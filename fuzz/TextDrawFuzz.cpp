// Draws the input as tagged text, twice, with a subclass that writes down
// every call: drawn runs hold no tag and come from the text, a style operation
// comes only when it changes the style, and a drawing begins by switching off
// (superscript, bold, italic, symbol) the styles still on, then draws as the
// first drawing did.
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "FuzzCheck.hpp"
#include "TextDrawRecorder.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  const std::string styles[] = {"sup", "bold", "italic", "symbol"};
  const std::string text = fuzz::Bytes(data, size);
  testing::TextDrawRecorder recorder(text);
  std::vector<std::string> first;
  for (int drawing = 0; drawing < 2; ++drawing) {
    std::vector<bool> on = recorder.Styles();
    const auto offs = static_cast<std::ptrdiff_t>(std::count(on.begin(), on.end(), true));
    recorder.calls.clear();
    recorder.DrawString();
    for (std::ptrdiff_t i = 0; i < offs; ++i) FUZZ_CHECK(recorder.calls.at(i)[0] == '-');
    for (const std::string& call : recorder.calls) {
      const std::string piece = call.substr(1, call.size() - (call[0] == '[' ? 2 : 1));
      if (call[0] == '[') {
        FUZZ_CHECK(piece.find('<') == std::string::npos && text.find(piece) != std::string::npos);
        continue;
      }
      const std::size_t style = std::find(styles, styles + 4, piece) - styles;
      FUZZ_CHECK(style < 4 && on[style] == (call[0] == '-'));
      on[style] = !on[style];
    }
    FUZZ_CHECK(recorder.Styles() == on);
    const std::vector<std::string> rest(recorder.calls.begin() + offs, recorder.calls.end());
    if (drawing == 1) FUZZ_CHECK(rest == first);
    first = rest;
  }
  try {
    recorder.ApplyTagAndSkip(static_cast<unsigned>(text.size()));
    FUZZ_CHECK(!"ApplyTagAndSkip accepted the index past the end");
  } catch (const std::invalid_argument&) {
  }
  return 0;
}
