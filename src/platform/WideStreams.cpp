#include "orvanta/platform/WideStreams.hpp"

#include <iostream>
#include <streambuf>
#include <string>

#include "Utf8.hpp"

namespace Orvanta {
namespace {

// A wide stream buffer that encodes UTF-8 into whatever buffer a narrow
// stream has at the time of writing, so that a later redirection of the
// narrow stream takes the wide text along. It keeps no buffer of its own (but
// for half a surrogate pair), so the narrow stream's buffering and flushing
// rules hold for both.
class Utf8Bridge : public std::wstreambuf {
 public:
  explicit Utf8Bridge(std::ostream& target) : target_(target) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const wchar_t w = traits_type::to_char_type(c);
    return Encode(&w, 1) == 1 ? c : traits_type::eof();
  }

  std::streamsize xsputn(const wchar_t* text, std::streamsize count) override {
    return Encode(text, count);
  }

  int sync() override {
    std::streambuf* const target = target_.rdbuf();
    return target != nullptr ? target->pubsync() : -1;
  }

 private:
  std::streamsize Encode(const wchar_t* text, std::streamsize count) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count));
    for (std::streamsize i = 0; i < count; ++i) {
      char32_t c = static_cast<char32_t>(text[i]);
      if constexpr (sizeof(wchar_t) == 2) {
        c &= 0xFFFF;
        if (pendingHigh_ != 0) {
          const char32_t high = pendingHigh_;
          pendingHigh_ = 0;
          if (c >= 0xDC00 && c <= 0xDFFF) {
            utf8::Append(bytes, 0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00));
            continue;
          }
          utf8::Append(bytes, utf8::kReplacement);
        }
        if (c >= 0xD800 && c <= 0xDBFF) {
          pendingHigh_ = c;
          continue;
        }
      }
      utf8::Append(bytes, c);
    }
    const auto size = static_cast<std::streamsize>(bytes.size());
    std::streambuf* const target = target_.rdbuf();
    return target != nullptr && target->sputn(bytes.data(), size) == size ? count : 0;
  }

  std::ostream& target_;
  char32_t pendingHigh_ = 0;
};

// The buffers the wide streams had when the library was loaded; a stream that
// still has its own is bridged.
struct StartBuffers {
  std::wstreambuf* out;
  std::wstreambuf* err;
  std::wstreambuf* log;
};

const std::ios_base::Init kStandardStreams;
const StartBuffers kStartBuffers{std::wcout.rdbuf(), std::wcerr.rdbuf(), std::wclog.rdbuf()};

// `bridge` is made once and deliberately never destroyed: the stream may be
// written by other static destructors at exit.
void Bridge(std::wostream& wide, std::wstreambuf* start, std::ostream& narrow,
            Utf8Bridge*& bridge) {
  if (wide.rdbuf() != start) return;
  if (bridge == nullptr) bridge = new Utf8Bridge(narrow);
  wide.rdbuf(bridge);
  wide.clear();
}

}  // namespace

void UseUtf8WideStandardStream(std::wostream& stream) {
  static Utf8Bridge* out = nullptr;
  static Utf8Bridge* err = nullptr;
  static Utf8Bridge* log = nullptr;
  if (&stream == &std::wcout) Bridge(std::wcout, kStartBuffers.out, std::cout, out);
  if (&stream == &std::wcerr) Bridge(std::wcerr, kStartBuffers.err, std::cerr, err);
  if (&stream == &std::wclog) Bridge(std::wclog, kStartBuffers.log, std::clog, log);
}

void UseUtf8WideStandardStreams() {
  UseUtf8WideStandardStream(std::wcout);
  UseUtf8WideStandardStream(std::wcerr);
  UseUtf8WideStandardStream(std::wclog);
}

}  // namespace Orvanta
