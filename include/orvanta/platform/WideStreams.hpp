// The standard wide streams as UTF-8 on the narrow ones.
//
// A wide standard stream writes through the C library's locale, so under the
// default "C" locale the first non-ASCII character puts it into a failed state
// for good, and mixing it with its narrow twin on one file loses output. The
// library writes messages, questions and log lines to std::wcerr and std::wclog,
// and calls this first:
//
//   Orvanta::UseUtf8WideStandardStreams();
//   std::wclog << L"Area: 0.15 m\u00b2" << std::endl;  // UTF-8 on stderr
#pragma once

#include <iosfwd>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

// Makes std::wcout, std::wcerr and std::wclog encode UTF-8 into std::cout,
// std::cerr and std::clog: into whatever buffer each of those has when the
// text is written, so that redirecting a narrow stream later redirects its
// wide twin too. A wide stream whose buffer someone has replaced (a program
// log, a test capturing output) keeps it. Safe to call any number of times.
ORVANTA_API void UseUtf8WideStandardStreams();
// The same for one of the three (`stream` is std::wcout, std::wcerr or
// std::wclog; any other stream is left alone).
ORVANTA_API void UseUtf8WideStandardStream(std::wostream& stream);

}  // namespace Orvanta
