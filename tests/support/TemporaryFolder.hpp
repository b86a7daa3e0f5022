// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <boost/filesystem.hpp>
#include <fstream>
#include <string>

#include "orvanta/platform/FileStream.hpp"

namespace Orvanta {
namespace testing {

class TemporaryFolder {
 public:
  TemporaryFolder()
      : path_(boost::filesystem::temp_directory_path() /
              boost::filesystem::unique_path("orvanta-test-%%%%-%%%%-%%%%")) {
    boost::filesystem::create_directories(path_);
  }
  ~TemporaryFolder() {
    boost::system::error_code ignored;
    boost::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const boost::filesystem::path& Path() const { return path_; }

  // Writes `content` to the file `name` in the folder and returns its path.
  boost::filesystem::path Write(const std::string& name, const std::string& content) const {
    const boost::filesystem::path file = path_ / name;
    Orvanta::ofstream(file, std::ios::binary) << content;
    return file;
  }

 private:
  boost::filesystem::path path_;
};

// The whole content of a file; empty when it cannot be read.
inline std::string ReadFile(const boost::filesystem::path& file) {
  Orvanta::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing
}  // namespace Orvanta
