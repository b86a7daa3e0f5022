// BaseApplication: the program log and starting a second instance.
#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/filesystem/operations.hpp>
#include <iostream>
#include <memory>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/FileAttributes.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/SystemError.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/WideStreams.hpp"

namespace Orvanta {
namespace {

const std::wstring kHyphens(44, L'-');

// The open log file stream, null before the first log is opened. It stays
// open, and is never destroyed, until the process ends: the standard wide log
// stream writes into its buffer until then, possibly from static destructors.
// It writes UTF-8 into a regular file of its own: a link planted at the log's
// name is refused, never written through.
LogFileStream*& LogStream() {
  static LogFileStream* stream = nullptr;
  return stream;
}

std::wstring TimedText(unsigned int id) {
  return LibraryText(id, {{L"<Time/>", boost::posix_time::to_simple_wstring(
                                             boost::posix_time::second_clock::local_time())}});
}

}  // namespace

void BaseApplication::CreateProgramLog(const wpath& file) {
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
  // log in use (or whatever the standard log stream had) stays.
  std::unique_ptr<LogFileStream> log(new LogFileStream);
  LogFileStream* const previous = LogStream();
  if (previous != nullptr) previous->flush();  // before the same file may be opened again
  // Binary: the same bytes, line ends included, on every system.
  log->open(file, std::ios::out | std::ios::binary |
                      (AppendToLog() ? std::ios::app : std::ios::trunc));
  if (!log->is_open()) {
    UseUtf8WideStandardStream(std::wcerr);
    std::wcerr << LibraryText(2045) << std::endl;
    return;
  }
  std::wclog.rdbuf(log->rdbuf());
  LogStream() = log.release();
  delete previous;  // nothing writes into it any more
  *LogStream() << kHyphens << std::endl << TimedText(2046) << std::endl;
}

void BaseApplication::CloseProgramLog() {
  LogFileStream* const log = LogStream();
  if (log == nullptr || !log->is_open()) return;
  // The file stays open: later log output (options saved at shutdown, error
  // broadcasts) still belongs in it.
  *log << TimedText(2047) << std::endl << kHyphens << std::endl;
}

void BaseApplication::RunApplication(const wpath& project) const {
  // Quoted, so that the path arrives as one argument whatever it holds.
  const long code = ShellOpen(L"open", wstring_to_path(ApplicationModule().FileName()),
                              QuoteCommandLineArgument(path_to_wstring(project)), wpath(), 5);
  if (code > 32) {
    BroadcastInformationMessage(LibraryText(1529, {{L"<App/>", Name()}}), false);
  } else {
    BroadcastErrorMessage(LastErrorAsText(), false);
  }
}

}  // namespace Orvanta
