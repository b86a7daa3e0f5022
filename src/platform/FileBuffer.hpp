// A stream buffer on a file handle of the backend: reads (and seeks) or
// writes through the system's own calls, keeping the first error. Internal to
// the platform layer.
#pragma once

#include <streambuf>
#include <vector>

#include <boost/system/error_code.hpp>

#include "Backend.hpp"

namespace Orvanta {
namespace detail {

class FileBuffer : public std::streambuf {
 public:
  enum Mode { Reading, Writing };
  // Takes `file` over when `owned`: closes it when closed or destroyed.
  FileBuffer(sys::FileHandle file, Mode mode, bool owned);
  // Writes what is buffered (errors are kept, never thrown) and closes.
  ~FileBuffer() override;
  FileBuffer(const FileBuffer&) = delete;
  FileBuffer& operator=(const FileBuffer&) = delete;

  sys::FileHandle Handle() const { return file_; }
  // The first error met; empty when none.
  const boost::system::error_code& Error() const { return error_; }
  // Writes what is buffered; false when that or an earlier write failed.
  bool Flush();
  // Flushes and, when owned, closes the file. False when anything failed.
  bool Close();
  // Drops what is buffered, unwritten, and lets go of the file as Close() does.
  void Discard();

 protected:
  int_type underflow() override;
  int_type overflow(int_type c) override;
  int sync() override;
  pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                   std::ios_base::openmode which) override;
  pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

 private:
  sys::FileHandle file_;
  Mode mode_;
  bool owned_;
  std::vector<char> buffer_;
  boost::system::error_code error_;
};

}  // namespace detail
}  // namespace Orvanta
