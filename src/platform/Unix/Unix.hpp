// What the POSIX backend's files share: system errors, calls retried when a
// signal interrupts them, file stamps, and starting programs. Internal to the
// platform layer.
#pragma once

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <boost/filesystem/exception.hpp>
#include <boost/filesystem/path.hpp>
#include <boost/system/error_code.hpp>

#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {
namespace sys {

namespace fs = boost::filesystem;

// Files (FileAttributes.inc, FileStream.inc, SafeFileWriter.inc).

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

inline boost::system::error_code SystemError(int code) {
  return boost::system::error_code(code, boost::system::system_category());
}

[[noreturn]] inline void Throw(const char* what, const wpath& file,
                               const boost::system::error_code& error) {
  throw boost::filesystem::filesystem_error(what, file, error);
}

[[noreturn]] inline void ThrowErrno(const char* what, const wpath& file) {
  Throw(what, file, SystemError(errno));
}

// Runs `call` again while it is interrupted by a signal.
template <class Call>
auto Again(Call call) -> decltype(call()) {
  decltype(call()) result;
  do {
    result = call();
  } while (result < 0 && errno == EINTR);
  return result;
}

inline void Close(int fd) noexcept {
  if (fd >= 0) ::close(fd);  // never retried: the descriptor is gone either way
}

inline FileStamp StampOfStatus(const struct stat& status) {
  FileStamp stamp;
  stamp.exists = true;
  stamp.volume = static_cast<std::uint64_t>(status.st_dev);
  stamp.file = static_cast<std::uint64_t>(status.st_ino);
  stamp.size = static_cast<std::uint64_t>(status.st_size);
  stamp.modified =
      static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
  return stamp;
}

// The error for a descriptor that must be a regular file and is `status`.
inline boost::system::error_code NotRegular(const struct stat& status) {
  return S_ISDIR(status.st_mode) ? SystemError(EISDIR) : make_error_code(FileError::NotRegularFile);
}

// Programs (ShellOpen.inc).

// The program `name` found on PATH, or an empty string.
std::string FindOnPath(const std::string& name);

// Starts `program` with `arguments` (the first one its own name) in
// `directory` (the caller's when empty) as a grandchild, so that it is never
// the caller's child and leaves no zombie; returns once exec has worked or
// failed. The result is a ShellOpen code: above 32 when the program started,
// else the failure's, with errno set. `watch`, when given, receives a
// descriptor that yields the program's exit code once it has ended
// (WaitForProgram reads it).
long Start(const std::string& program, const std::vector<std::string>& arguments,
           const std::string& directory, int* watch = nullptr);

}  // namespace sys
}  // namespace Orvanta
