// A wide stream buffer that encodes UTF-8 into a narrow one: the wide
// standard streams and the program log write through it. Internal to the
// platform layer.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

#include "orvanta/platform/internal/Utf16.hpp"
#include "orvanta/platform/internal/Utf8.hpp"

namespace Orvanta {
namespace detail {

// It keeps no buffer of its own (but for half a surrogate pair), so the
// narrow stream's buffering and flushing rules hold for both.
class Utf8Bridge : public std::wstreambuf {
 public:
  // Writes into `target`.
  explicit Utf8Bridge(std::streambuf* target) : target_(target) {}
  // Writes into whatever buffer `narrow` has at the time of writing, so that
  // redirecting the narrow stream later takes the wide text along.
  explicit Utf8Bridge(std::ostream& narrow) : follow_(&narrow) {}

  // Writes into `target` from now on.
  void Retarget(std::streambuf* target) {
    target_ = target;
    follow_ = nullptr;
    pending_high_ = 0;
  }

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
    std::streambuf* const target = Target();
    return target != nullptr ? target->pubsync() : -1;
  }

 private:
  std::streamsize Encode(const wchar_t* text, std::streamsize count) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count));
    for (std::streamsize i = 0; i < count; ++i) {
      char32_t c = static_cast<char32_t>(text[i]);
      if constexpr (utf16::kWideIsUtf16) {
        c &= 0xFFFF;
        if (pending_high_ != 0) {
          const char32_t high = pending_high_;
          pending_high_ = 0;
          if (utf16::IsLowSurrogate(c)) {
            utf8::Append(bytes, utf16::Combine(high, c));
            continue;
          }
          utf8::Append(bytes, utf8::kReplacement);
        }
        if (utf16::IsHighSurrogate(c)) {
          pending_high_ = c;
          continue;
        }
      }
      utf8::Append(bytes, c);
    }
    const auto size = static_cast<std::streamsize>(bytes.size());
    std::streambuf* const target = Target();
    return target != nullptr && target->sputn(bytes.data(), size) == size ? count : 0;
  }

  std::streambuf* Target() const { return follow_ != nullptr ? follow_->rdbuf() : target_; }

  std::streambuf* target_ = nullptr;
  std::ostream* follow_ = nullptr;
  char32_t pending_high_ = 0;
};

}  // namespace detail
}  // namespace Orvanta
