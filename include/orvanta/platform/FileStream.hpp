// File streams opened by a wide path, whatever characters its name holds.
//
//   Orvanta::ofstream out(folder / L"Rapport \u00e5.xml", std::ios::binary);
//   out << text;
//
// boost::filesystem's streams open a file by the path's narrow form on
// Windows with GCC's standard library, which cannot name most files there;
// these hand the path over in the system's own form (UTF-16 on Windows, bytes
// elsewhere), so that every file the library can see it can also open. They
// are the standard streams otherwise.
#pragma once

#include <filesystem>
#include <fstream>

#include "orvanta/platform/Types.hpp"

namespace Orvanta {

template <class Stream, std::ios_base::openmode DefaultMode>
class BasicFileStream : public Stream {
 public:
  BasicFileStream() = default;
  explicit BasicFileStream(const wpath& file, std::ios_base::openmode mode = DefaultMode) {
    open(file, mode);
  }
  void open(const wpath& file, std::ios_base::openmode mode = DefaultMode) {
    Stream::open(std::filesystem::path(file.native()), mode);
  }
};

typedef BasicFileStream<std::ifstream, std::ios_base::in> ifstream;
typedef BasicFileStream<std::ofstream, std::ios_base::out> ofstream;
typedef BasicFileStream<std::wifstream, std::ios_base::in> wifstream;
typedef BasicFileStream<std::wofstream, std::ios_base::out> wofstream;

}  // namespace Orvanta
