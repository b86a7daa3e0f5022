// SafeFileWriter: the portable half; the backend does the system's part.
#include "orvanta/platform/SafeFileWriter.hpp"

#include <boost/filesystem/exception.hpp>

#include "Backend.hpp"
#include "FileBuffer.hpp"

namespace Orvanta {

struct SafeFileWriter::State {
  sys::Replacement replacement;
  std::unique_ptr<detail::FileBuffer> buffer;
  std::ostream stream{nullptr};
  bool committed = false;

  ~State() { Abandon(); }

  // Lets go of the temporary file, unwritten content and all (the buffer goes
  // first: it must not write into a file already closed).
  void Abandon() noexcept {
    stream.rdbuf(nullptr);
    if (buffer) buffer->Discard();
    buffer.reset();
    sys::EndReplacement(replacement);
  }
};

namespace {

std::unique_ptr<detail::FileBuffer> BufferOn(sys::Replacement& replacement) {
  // The backend keeps the handle: it closes the temporary file itself.
  return std::unique_ptr<detail::FileBuffer>(
      new detail::FileBuffer(replacement.file, detail::FileBuffer::Writing, false));
}

}  // namespace

SafeFileWriter::SafeFileWriter(const wpath& target) : state_(new State) {
  sys::BeginReplacement(state_->replacement, target, nullptr);
  state_->buffer = BufferOn(state_->replacement);
  state_->stream.rdbuf(state_->buffer.get());
}

SafeFileWriter::SafeFileWriter(const wpath& target, const FileStamp& expected) : state_(new State) {
  sys::BeginReplacement(state_->replacement, target, &expected);
  state_->buffer = BufferOn(state_->replacement);
  state_->stream.rdbuf(state_->buffer.get());
}

SafeFileWriter::~SafeFileWriter() = default;

std::ostream& SafeFileWriter::Stream() { return state_->stream; }

FileStamp SafeFileWriter::Commit() {
  State& state = *state_;
  if (state.committed)
    throw boost::filesystem::filesystem_error(
        "SafeFileWriter::Commit: committed already", state.replacement.target,
        boost::system::errc::make_error_code(boost::system::errc::operation_not_permitted));
  state.committed = true;
  state.stream.flush();
  if (!state.buffer->Flush() || !state.stream) {
    const boost::system::error_code error =
        state.buffer->Error() ? state.buffer->Error()
                              : boost::system::errc::make_error_code(boost::system::errc::io_error);
    state.Abandon();
    throw boost::filesystem::filesystem_error("Cannot write the file", state.replacement.target,
                                              error);
  }
  try {
    const FileStamp written = sys::CommitReplacement(state.replacement);
    state.Abandon();  // renamed: only the handles are left to close
    return written;
  } catch (...) {
    state.Abandon();
    throw;
  }
}

const wpath& SafeFileWriter::Target() const { return state_->replacement.target; }

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/SafeFileWriter.inc"
#else
#include "Unix/SafeFileWriter.inc"
#endif
