// The Windows headers as the Windows backend includes them (Unicode entry
// points, no min/max macros), and what the backend's files share: module
// handles, optional texts, system errors and file handles. Internal to the
// platform layer.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
// Names the library uses for its own functions.
#undef FreeModule
#undef LoadString
#undef WinHelp

#include <string>

#include <boost/filesystem/exception.hpp>
#include <boost/filesystem/path.hpp>
#include <boost/system/system_error.hpp>

#include "Backend.hpp"
#include "orvanta/platform/FileStream.hpp"

namespace Orvanta {
namespace sys {

// The module a handle names; nullptr stands for the executable, as on every
// system the library runs on.
inline HMODULE ModuleOrExecutable(HINSTANCE handle) {
  return handle != nullptr ? handle : ::GetModuleHandleW(nullptr);
}

// A null-terminated copy of `text`, for the calls that take LPCWSTR; nullptr
// for an empty text where the call gives that a meaning of its own.
inline const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

// Files (FileAttributes.inc, FileStream.inc, SafeFileWriter.inc).

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

inline boost::system::error_code SystemError(DWORD code) {
  return boost::system::error_code(static_cast<int>(code), boost::system::system_category());
}

[[noreturn]] inline void Throw(const char* what, const wpath& file,
                               const boost::system::error_code& error) {
  throw boost::filesystem::filesystem_error(what, file, error);
}

[[noreturn]] inline void ThrowLastError(const char* what, const wpath& file) {
  Throw(what, file, SystemError(::GetLastError()));
}

inline HANDLE AsHandle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }
inline FileHandle AsFile(HANDLE handle) { return reinterpret_cast<FileHandle>(handle); }

inline void Close(HANDLE handle) noexcept {
  if (handle != INVALID_HANDLE_VALUE && handle != nullptr) ::CloseHandle(handle);
}

inline FileStamp StampOfInformation(const BY_HANDLE_FILE_INFORMATION& information) {
  FileStamp stamp;
  stamp.exists = true;
  stamp.volume = information.dwVolumeSerialNumber;
  stamp.file =
      (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
  stamp.size =
      (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
  stamp.modified = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(information.ftLastWriteTime.dwHighDateTime) << 32) |
      information.ftLastWriteTime.dwLowDateTime);
  return stamp;
}

inline bool IsFolder(const wpath& file) {
  const DWORD attributes = ::GetFileAttributesW(file.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

inline boost::system::error_code FolderError() {
  return boost::system::errc::make_error_code(boost::system::errc::is_a_directory);
}

// The error of a handle that must be a file on a disk; empty when it is one.
inline boost::system::error_code CheckDiskFile(HANDLE handle,
                                               BY_HANDLE_FILE_INFORMATION& information) {
  if (::GetFileType(handle) != FILE_TYPE_DISK) return make_error_code(FileError::NotRegularFile);
  if (!::GetFileInformationByHandle(handle, &information)) return SystemError(::GetLastError());
  if ((information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FolderError();
  return boost::system::error_code();
}

}  // namespace sys
}  // namespace Orvanta
