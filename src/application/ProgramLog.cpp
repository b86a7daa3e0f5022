#include "orvanta/application/internal/ProgramLog.hpp"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/filesystem/operations.hpp>
#include <iostream>

#include "orvanta/platform/FileAttributes.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/WideStreams.hpp"

namespace Orvanta {
namespace detail {
namespace {

const std::wstring kHyphens(44, L'-');

std::wstring TimedText(unsigned int id) {
  return LibraryText(id, {{L"<Time/>", boost::posix_time::to_simple_wstring(
                                           boost::posix_time::second_clock::local_time())}});
}

}  // namespace

ProgramLog::ProgramLog() = default;

ProgramLog::~ProgramLog() {
  if (file_ && std::wclog.rdbuf() == file_->rdbuf()) std::wclog.rdbuf(previous_);
}

ProgramLog& ProgramLog::Process() {
  // Never destroyed: the standard wide log stream may write into it from any
  // static destructor, and flushes into it when the process ends.
  static ProgramLog* const log = new ProgramLog;
  return *log;
}

void ProgramLog::Open(const wpath& file, bool append) {
  wpath writable = file;
  // The file's own permission, never that of a file a link names (a link is
  // refused, and then cannot be opened below either).
  boost::system::error_code notFound;
  if (boost::filesystem::exists(writable, notFound) && IsFileReadOnly(writable)) {
    try {
      MakeFileReadWrite(writable);
    } catch (const std::exception&) {
    }
  }

  // The new file is opened before anything changes: when it cannot be, the
  // file in use (or whatever the standard log stream had) stays.
  std::unique_ptr<LogFileStream> opened(new LogFileStream);
  if (file_) file_->flush();  // before the same file may be opened again
  // Binary: the same bytes, line ends included, on every system.
  opened->open(file, std::ios::out | std::ios::binary | (append ? std::ios::app : std::ios::trunc));
  if (!opened->is_open()) {
    UseUtf8WideStandardStream(std::wcerr);
    std::wcerr << LibraryText(2045) << std::endl;
    return;
  }
  if (!file_) previous_ = std::wclog.rdbuf();
  std::wclog.rdbuf(opened->rdbuf());
  file_ = std::move(opened);  // nothing writes into the old file any more
  *file_ << kHyphens << std::endl << TimedText(2046) << std::endl;
}

void ProgramLog::WriteStopLines() {
  if (IsOpen()) *file_ << TimedText(2047) << std::endl << kHyphens << std::endl;
}

bool ProgramLog::IsOpen() const { return file_ && file_->is_open(); }

}  // namespace detail
}  // namespace Orvanta
