#include "orvanta/platform/WideStreams.hpp"

#include <iostream>

#include "Utf8Bridge.hpp"

namespace Orvanta {
namespace {

using detail::Utf8Bridge;

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
