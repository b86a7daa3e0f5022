// The library's own file streams: regular files only, read without blocking,
// and the log written as UTF-8 into a file of its own.
#include "orvanta/platform/FileStream.hpp"

#include <string>

#include "Backend.hpp"
#include "FileBuffer.hpp"
#include "Utf8Bridge.hpp"

namespace Orvanta {
namespace {

class FileErrors : public boost::system::error_category {
 public:
  const char* name() const noexcept override { return "orvanta file"; }
  std::string message(int code) const override {
    switch (static_cast<FileError>(code)) {
      case FileError::NotRegularFile:
        return "Not a regular file";
      case FileError::ReadOnly:
        return "The file is read-only";
      case FileError::SymbolicLink:
        return "A symbolic link is in the file's place";
      case FileError::ChangedSinceRead:
        return "The file was changed by another program since it was read";
    }
    return "Unknown file error";
  }
};

}  // namespace

const boost::system::error_category& FileErrorCategory() {
  static const FileErrors category;
  return category;
}

boost::system::error_code make_error_code(FileError error) {
  return boost::system::error_code(static_cast<int>(error), FileErrorCategory());
}

InputFile::InputFile(const wpath& file) : std::istream(nullptr) {
  const sys::FileHandle handle = sys::OpenForReading(file, error_);
  if (handle == sys::kNoFile) {
    setstate(std::ios_base::failbit);
    return;
  }
  stamp_ = sys::StampOf(handle);
  buffer_.reset(new detail::FileBuffer(handle, detail::FileBuffer::Reading, true));
  rdbuf(buffer_.get());
}

InputFile::~InputFile() = default;

bool InputFile::is_open() const { return buffer_ != nullptr; }

boost::system::error_code InputFile::Error() const {
  return buffer_ && buffer_->Error() ? buffer_->Error() : error_;
}

FileStamp InputFile::Stamp() const { return stamp_; }

// The text buffer lives as long as the stream, so that a stream given it
// (std::wclog) never holds a dangling buffer: closed, it writes nothing.
LogFileStream::LogFileStream()
    : std::wostream(nullptr),
      file_(new detail::FileBuffer(sys::kNoFile, detail::FileBuffer::Writing, true)),
      text_(new detail::Utf8Bridge(file_.get())) {
  rdbuf(text_.get());
  setstate(std::ios_base::badbit);
}

LogFileStream::~LogFileStream() { close(); }

void LogFileStream::open(const wpath& file, std::ios_base::openmode mode) {
  close();
  boost::system::error_code error;
  const sys::FileHandle handle = sys::OpenForLogging(file, (mode & std::ios_base::app) != 0, error);
  if (handle == sys::kNoFile) return;
  std::unique_ptr<detail::FileBuffer> opened(
      new detail::FileBuffer(handle, detail::FileBuffer::Writing, true));
  static_cast<detail::Utf8Bridge&>(*text_).Retarget(opened.get());
  file_ = std::move(opened);
  clear();
}

bool LogFileStream::is_open() const { return file_->Handle() != sys::kNoFile; }

void LogFileStream::close() {
  if (!is_open()) return;
  flush();
  file_->Close();
  setstate(std::ios_base::badbit);
}

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/FileStream.inc"
#else
#include "Unix/FileStream.inc"
#endif
