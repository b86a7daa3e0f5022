#include "FileBuffer.hpp"

namespace Orvanta {
namespace detail {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

FileBuffer::FileBuffer(sys::FileHandle file, Mode mode, bool owned)
    : file_(file), mode_(mode), owned_(owned), buffer_(kBufferSize) {
  if (mode_ == Writing)
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  else
    setg(buffer_.data(), buffer_.data(), buffer_.data());
}

FileBuffer::~FileBuffer() { Close(); }

bool FileBuffer::Flush() {
  if (mode_ != Writing || file_ == sys::kNoFile) return !error_;
  const std::size_t size = static_cast<std::size_t>(pptr() - pbase());
  if (size > 0 && !error_) sys::WriteFile(file_, pbase(), size, error_);
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return !error_;
}

bool FileBuffer::Close() {
  const bool flushed = Flush();
  if (owned_ && file_ != sys::kNoFile) sys::CloseFile(file_);
  file_ = sys::kNoFile;
  setg(nullptr, nullptr, nullptr);
  setp(nullptr, nullptr);
  return flushed;
}

void FileBuffer::Discard() {
  if (mode_ == Writing) setp(buffer_.data(), buffer_.data() + buffer_.size());
  Close();
}

FileBuffer::int_type FileBuffer::underflow() {
  if (mode_ != Reading || file_ == sys::kNoFile || error_) return traits_type::eof();
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  const long long got = sys::ReadFile(file_, buffer_.data(), buffer_.size(), error_);
  if (got <= 0) return traits_type::eof();
  setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
  return traits_type::to_int_type(*gptr());
}

// A failed write fails this and every later write, so that the stream stays
// failed; the error is kept for the owner to report.
FileBuffer::int_type FileBuffer::overflow(int_type c) {
  if (mode_ != Writing || file_ == sys::kNoFile || !Flush()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int FileBuffer::sync() { return Flush() ? 0 : -1; }

FileBuffer::pos_type FileBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                         std::ios_base::openmode which) {
  const pos_type failed(off_type(-1));
  if (mode_ != Reading || file_ == sys::kNoFile || (which & std::ios_base::in) == 0) return failed;
  boost::system::error_code error;
  if (direction == std::ios_base::cur) {
    // Where the reader is: the file's position less what is still buffered.
    const long long here = sys::SeekFile(file_, 0, 1, error);
    if (here < 0) return failed;
    const long long reader = here - (egptr() - gptr());
    if (offset == 0) return pos_type(off_type(reader));
    offset += reader;
    direction = std::ios_base::beg;
  }
  const long long position =
      sys::SeekFile(file_, offset, direction == std::ios_base::beg ? 0 : 2, error);
  if (position < 0) return failed;
  setg(buffer_.data(), buffer_.data(), buffer_.data());
  return pos_type(off_type(position));
}

FileBuffer::pos_type FileBuffer::seekpos(pos_type position, std::ios_base::openmode which) {
  return seekoff(off_type(position), std::ios_base::beg, which);
}

}  // namespace detail
}  // namespace Orvanta
