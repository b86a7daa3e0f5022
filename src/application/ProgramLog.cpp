// BaseApplication: the program log and starting a second instance.
#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/filesystem/operations.hpp>
#include <iostream>
#include <utility>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/FileAttributes.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/SystemError.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/WideStreams.hpp"

namespace Orvanta {
namespace {

const std::wstring kHyphens(44, L'-');

// The log file stream, alive until the process ends: the standard wide log
// stream writes into its buffer, possibly from other static destructors. It
// writes UTF-8 into a regular file of its own: a link planted at the log's
// name is refused, never written through.
LogFileStream& LogStream() {
  static auto* stream = new LogFileStream;
  return *stream;
}

// What the standard wide log stream wrote into before the log took it over;
// null while the log does not have it.
std::wstreambuf*& PreviousLogBuffer() {
  static std::wstreambuf* previous = nullptr;
  return previous;
}

std::wstring TimedText(unsigned int id) {
  std::wstring text = OrvantaDLL::Instance()->LoadStringW(id);
  ReplaceTag(text, L"<Time/>",
             boost::posix_time::to_simple_wstring(boost::posix_time::second_clock::local_time()));
  return text;
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

  LogFileStream& log = LogStream();
  if (log.is_open()) log.close();
  // Binary: the same bytes, line ends included, on every system.
  log.open(file, std::ios::out | std::ios::binary |
                     (AppendToLog() ? std::ios::app : std::ios::trunc));
  if (!log.is_open()) {
    UseUtf8WideStandardStream(std::wcerr);
    std::wcerr << OrvantaDLL::Instance()->LoadStringW(2045) << std::endl;
    return;
  }
  std::wstreambuf* const previous = std::wclog.rdbuf(log.rdbuf());
  if (PreviousLogBuffer() == nullptr) PreviousLogBuffer() = previous;
  std::wclog << kHyphens << std::endl << TimedText(2046) << std::endl;
}

void BaseApplication::CloseProgramLog() {
  if (!LogStream().is_open()) return;
  std::wclog << TimedText(2047) << std::endl << kHyphens << std::endl;
  // The file is closed, so that it may be moved or removed (Windows refuses
  // both while it is open); the standard log stream writes where it did before.
  if (PreviousLogBuffer() != nullptr) std::wclog.rdbuf(std::exchange(PreviousLogBuffer(), nullptr));
  LogStream().close();
}

void BaseApplication::RunApplication(const wpath& project) const {
  // Quoted, so that a path with blanks arrives as one argument.
  const long code = ShellOpen(L"open", wstring_to_path(ApplicationModule().FileName()),
                              L"\"" + path_to_wstring(project) + L"\"", wpath(), 5);
  if (code > 32) {
    std::wstring text = OrvantaDLL::Instance()->LoadStringW(1529);
    ReplaceTag(text, L"<App/>", Name());
    BroadcastInformationMessage(text, false);
  } else {
    BroadcastErrorMessage(LastErrorAsText(), false);
  }
}

}  // namespace Orvanta
