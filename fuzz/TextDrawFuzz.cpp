// Draws the input as tagged text, twice, with a subclass that writes down
// every call, and compares the calls with the tag rules of TextDraw.hpp read
// one character at a time: runs of text between tags are drawn, tags never
// are, a style operation comes only when it changes the style, and a drawing
// begins by switching off (superscript, bold, italic, symbol) the styles that
// are still on.
#include <stdexcept>
#include <vector>

#include "FuzzCheck.hpp"
#include "TextDrawRecorder.hpp"
#include "orvanta/geometry/TextDraw.hpp"

namespace Orvanta {
namespace {

const char* const kStyles[] = {"sup", "bold", "italic", "symbol"};

// The calls that drawing `text` makes, empty runs aside, when the styles start
// as `on`, which it leaves as they end.
std::vector<std::string> Expected(const std::string& text, std::vector<bool>& on) {
  std::vector<std::string> calls;
  for (int style = 0; style < 4; ++style)
    if (on[style]) calls.push_back(std::string("-") + kStyles[style]);
  on.assign(4, false);
  std::string run;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '<') {
      run += text[i];
      continue;
    }
    if (!run.empty()) calls.push_back("[" + run + "]");
    run.clear();
    std::string tag;  // what follows the "<", up to the ">" or the end
    for (++i; i < text.size() && text[i] != '>'; ++i) tag += text[i];
    if (i >= text.size() && !tag.empty()) tag.pop_back();  // unclosed: ends at the last character
    const bool closing = !tag.empty() && tag[0] == '/';
    if (closing) tag.erase(0, 1);
    for (int style = 0; style < 4; ++style) {
      if (tag == kStyles[style] && on[style] == closing) {
        calls.push_back((closing ? "-" : "+") + tag);
        on[style] = !closing;
      }
    }
  }
  return calls;
}

}  // namespace
}  // namespace Orvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Orvanta;
  const std::string text = fuzz::Bytes(data, size);
  testing::TextDrawRecorder recorder(text);
  std::vector<bool> on(4, false);
  for (int drawing = 0; drawing < 2; ++drawing) {
    recorder.calls.clear();
    recorder.DrawString();
    std::vector<std::string> calls;
    for (const std::string& call : recorder.calls) {
      FUZZ_CHECK(call[0] != '[' || call.find('<') == std::string::npos);
      if (call != "[]") calls.push_back(call);
    }
    FUZZ_CHECK(calls == Expected(text, on));
    FUZZ_CHECK(recorder.Styles() == on);
  }
  try {
    recorder.ApplyTagAndSkip(static_cast<unsigned>(text.size()));
    FUZZ_CHECK(!"ApplyTagAndSkip accepted the index past the end");
  } catch (const std::invalid_argument&) {
  }
  return 0;
}
