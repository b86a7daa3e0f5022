// File streams opened by a wide path, whatever characters its name holds.
//
//   Orvanta::ofstream out(folder / Orvanta::wstring_to_path(L"Rapport \u00e5.xml"),
//                         std::ios::binary);
//   out << text;
//
// boost::filesystem's streams open a file by the path's narrow form on
// Windows with GCC's standard library, which cannot name most files there;
// these hand the path over in the system's own form (UTF-16 on Windows, bytes
// elsewhere), so that every file the library can see it can also open. They
// are the standard streams otherwise.
//
// The library reads and writes the user's files through the stricter streams
// below (and through SafeFileWriter, SafeFileWriter.hpp):
//
//   Orvanta::InputFile in(path);          // a regular file only, never blocks
//   if (!in.is_open()) ... in.Error() ...  // no such file, a folder, a FIFO...
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <ostream>

#include <boost/system/error_code.hpp>

#include "orvanta/platform/Export.hpp"
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

// Why the library would not open or replace a file, beyond the system's own
// errors (which come in the system category).
enum class FileError {
  NotRegularFile = 1,  // a FIFO, a device, a socket: never opened, never replaced
  ReadOnly,            // the file has no write permission at all (nobody may write it)
  SymbolicLink,        // a link where the file itself must be (the program log)
  ChangedSinceRead,    // another program replaced or changed the file meanwhile
};
ORVANTA_API const boost::system::error_category& FileErrorCategory();
ORVANTA_API boost::system::error_code make_error_code(FileError error);

// One version of a file: which file it is on its volume, its size and the
// time it was last written. Two stamps are equal when nothing has replaced
// or written the file in between. A default stamp stands for no file.
struct FileStamp {
  bool exists = false;
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // in the system's own units

  friend bool operator==(const FileStamp& a, const FileStamp& b) {
    return a.exists == b.exists && a.volume == b.volume && a.file == b.file && a.size == b.size &&
           a.modified == b.modified;
  }
  friend bool operator!=(const FileStamp& a, const FileStamp& b) { return !(a == b); }
};

namespace detail {
class FileBuffer;
}

// A binary input stream on a regular file. Anything else (a folder, a FIFO,
// a device) is refused without waiting for it (on POSIX it is opened with
// O_NONBLOCK and checked before it is read), as is a file that cannot be
// opened; the stream is then failed and Error() tells why. Symbolic links are
// followed. The stream can seek and tell its position.
class ORVANTA_API InputFile : public std::istream {
 public:
  explicit InputFile(const wpath& file);
  ~InputFile() override;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool is_open() const;
  // Why the file did not open, or why reading it failed; empty otherwise.
  boost::system::error_code Error() const;
  // The version of the file that was opened (a default stamp when none was):
  // give it to SafeFileWriter to replace this version only.
  FileStamp Stamp() const;

 private:
  std::unique_ptr<detail::FileBuffer> buffer_;
  boost::system::error_code error_;
  FileStamp stamp_;
};

// A wide text file written as UTF-8 while the program runs, such as a log.
// open() creates the file, or opens it to add to it (std::ios::app in `mode`)
// or to replace its content (otherwise). Only a regular file of its own is
// opened: a symbolic link at that name is refused (O_NOFOLLOW on POSIX:
// nothing is created or changed through it), and so is anything but a
// regular file, without waiting for it. The stream is failed and is_open() false when it did not
// open. Its buffer may be given to another stream (std::wclog); it stays
// valid until the stream is destroyed (writing nothing while it is closed).
class ORVANTA_API LogFileStream : public std::wostream {
 public:
  LogFileStream();
  ~LogFileStream() override;
  LogFileStream(const LogFileStream&) = delete;
  LogFileStream& operator=(const LogFileStream&) = delete;

  void open(const wpath& file, std::ios_base::openmode mode = std::ios_base::out);
  bool is_open() const;
  // Writes what is buffered and closes the file; the stream is failed after.
  void close();

 private:
  std::unique_ptr<detail::FileBuffer> file_;
  std::unique_ptr<std::wstreambuf> text_;
};

}  // namespace Orvanta

namespace boost {
namespace system {
template <>
struct is_error_code_enum<Orvanta::FileError> : std::true_type {};
}  // namespace system
}  // namespace boost
