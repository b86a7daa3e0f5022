// The program log: a file into which the standard wide log stream (std::wclog)
// writes once it is open, each run framed by a start and a stop line. The file
// is UTF-8, written in binary mode: the same bytes, with "\n" line ends, on
// every system.
// Internal to the application layer: BaseApplication's CreateProgramLog and
// CloseProgramLog are its public face, on the process's log. Exported for the
// library's own tests only.
//
//   detail::ProgramLog::Process().Open(folder / "Sections.log", false);
//   std::wclog << L"anything" << std::endl;      // lands in the file
//   detail::ProgramLog::Process().WriteStopLines();
#pragma once

#include <memory>
#include <streambuf>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

class LogFileStream;

namespace detail {

class ORVANTA_API ProgramLog {
 public:
  ProgramLog();
  // Gives std::wclog back the buffer it had before this log first took it, if
  // it still writes into this log; then closes the file.
  ~ProgramLog();
  ProgramLog(const ProgramLog&) = delete;
  ProgramLog& operator=(const ProgramLog&) = delete;

  // The process's log, made on first use and never destroyed: std::wclog
  // writes into it until the process ends, static destructors included.
  static ProgramLog& Process();

  // Opens `file` (a read-only log of an earlier run is made writable first,
  // when it is a file itself: never through a link), adding to it when
  // `append` or replacing its content otherwise, sends std::wclog into it and
  // writes a line of 44 hyphens and "Application started at: <Time/>" (text
  // 2046). The file is a regular file of its own (LogFileStream): a symbolic
  // link at its name is refused and nothing is changed through it. When the
  // file cannot be opened, writes "Could not open the error log" (text 2045)
  // on std::wcerr and changes nothing else: std::wclog and a file already
  // open stay as they were. The new file is opened before the old one is let
  // go of.
  void Open(const wpath& file, bool append);
  // Writes "Application stopped at: <Time/>" (text 2047) and the line of
  // hyphens if a file is open. The file stays open, so that later output
  // still lands in it, and a second call writes the lines again.
  void WriteStopLines();
  bool IsOpen() const;

 private:
  std::unique_ptr<LogFileStream> file_;
  std::wstreambuf* previous_ = nullptr;
};

}  // namespace detail
}  // namespace Orvanta
