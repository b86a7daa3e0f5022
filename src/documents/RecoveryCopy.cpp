#include "orvanta/documents/RecoveryCopy.hpp"

#include <atomic>
#include <exception>
#include <sstream>
#include <string>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/filesystem/operations.hpp>

#include "DocumentObserver.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace detail {
namespace {

namespace fs = boost::filesystem;

const char kMagic[] = "Orvanta recovery record 1";
const wchar_t kRecordExtension[] = L".recovery";
// A record is a few hundred bytes; anything much larger is no record.
constexpr std::streamsize kLargestRecord = 64 * 1024;

std::string Escape(const std::string& value) {
  std::string escaped;
  for (const char c : value) {
    if (c == '\\')
      escaped += "\\\\";
    else if (c == '\n')
      escaped += "\\n";
    else if (c == '\r')
      escaped += "\\r";
    else
      escaped += c;
  }
  return escaped;
}

std::string Unescape(const std::string& value) {
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      const char next = value[i + 1];
      if (next == '\\' || next == 'n' || next == 'r') {
        text += next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
        ++i;
        continue;
      }
    }
    text += value[i];
  }
  return text;
}

bool ParseNumber(const std::string& text, unsigned long long& number) {
  if (text.empty() || text.size() > 20) return false;
  unsigned long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    const unsigned long long digit = static_cast<unsigned long long>(c - '0');
    if (value > (~0ULL - digit) / 10) return false;
    value = value * 10 + digit;
  }
  number = value;
  return true;
}

// A file name of the folder itself: no separator, not "." or "..".
bool IsPlainFileName(const wpath& name) {
  return !name.empty() && name == name.filename() && name != "." && name != ".." &&
         !name.has_root_path();
}

// Reads one record; false for anything that is not a whole record of ours
// whose copy is a regular file beside it.
bool ReadRecord(const wpath& file, RecoveryRecord& record) {
  InputFile in(file);
  if (!in.is_open()) return false;
  std::string content(static_cast<std::size_t>(kLargestRecord) + 1, '\0');
  in.read(&content[0], kLargestRecord + 1);
  if (in.gcount() > kLargestRecord) return false;
  content.resize(static_cast<std::size_t>(in.gcount()));

  std::istringstream lines(content);
  std::string line;
  if (!std::getline(lines, line) || line != kMagic) return false;
  bool hasProcess = false, hasTime = false;
  std::string copy;
  while (std::getline(lines, line)) {
    const std::size_t space = line.find(' ');
    const std::string key = line.substr(0, space);
    const std::string value =
        space == std::string::npos ? std::string() : Unescape(line.substr(space + 1));
    unsigned long long number = 0;
    if (key == "original") {
      record.original = string_to_path(value);
    } else if (key == "program") {
      record.program = string_to_wstring(value);
    } else if (key == "time") {
      try {
        record.time = boost::posix_time::from_iso_extended_string(value);
      } catch (const std::exception&) {
        return false;
      }
      hasTime = !record.time.is_special();
    } else if (key == "process") {
      if (!ParseNumber(value, number) || number == 0 || number > ~0UL) return false;
      record.process.id = static_cast<unsigned long>(number);
      hasProcess = true;
    } else if (key == "started") {
      if (!ParseNumber(value, number)) return false;
      record.process.started = number;
    } else if (key == "copy") {
      copy = value;
    }
  }
  const wpath name = string_to_path(copy);
  if (!hasProcess || !hasTime || !IsPlainFileName(name)) return false;
  record.record = file;
  record.copy = file.parent_path() / name;
  boost::system::error_code error;
  return fs::is_regular_file(fs::symlink_status(record.copy, error));
}

}  // namespace

// The document's side of a RecoveryCopy: it hears saves and the document's
// end, and writes the copy and its record.
class RecoveryWriter final : public DocumentObserver {
 public:
  RecoveryWriter(BaseDocument& document, const wpath& folder, const std::wstring& program)
      : document_(&document), folder_(folder), program_(program), process_(CurrentProcess()) {
    static std::atomic<unsigned long> count{0};
    base_ = std::to_wstring(process_.id) + L'-' + std::to_wstring(process_.started) + L'-' +
            std::to_wstring(++count);
    record_ = folder_ / wstring_to_path(base_ + kRecordExtension);
    DocumentAccess::Attach(document, this);
  }

  ~RecoveryWriter() {
    Remove();
    if (document_ != nullptr) DocumentAccess::Detach(*document_, this);
  }

  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  BaseDocument* Document() const { return document_; }
  wpath CopyPath() const { return copy_; }

  bool Write() {
    if (document_ == nullptr) return false;
    if (!document_->HasChanged()) {
      Remove();
      return false;
    }
    const unsigned long long revision = document_->Revision();
    if (!copy_.empty() && revision == revision_) return false;
    fs::create_directories(folder_);
    // The other of the two names: the record names the new copy only once
    // it is whole.
    slot_ = slot_ == 1 ? 2 : 1;
    wpath name = wstring_to_path(base_ + L'.' + std::to_wstring(slot_));
    name += document_->Path().extension();
    const wpath copy = folder_ / name;
    try {
      document_->WriteTo(copy);
      WriteRecord(copy);
    } catch (...) {
      boost::system::error_code ignored;
      fs::remove(copy, ignored);
      throw;
    }
    if (!copy_.empty() && copy_ != copy) {
      boost::system::error_code ignored;
      fs::remove(copy_, ignored);
    }
    copy_ = copy;
    revision_ = revision;
    return true;
  }

  // The record first: a copy without one is never offered.
  void Remove() noexcept {
    if (copy_.empty()) return;
    boost::system::error_code ignored;
    fs::remove(record_, ignored);
    fs::remove(copy_, ignored);
    copy_.clear();
  }

  void Inserted(const ItemPtr&, std::size_t, const Insertion&) override {}
  void Removed(const ItemPtr&, std::size_t) override {}
  void Cleared(const std::vector<ItemPtr>&) override {}
  void Reordered(const std::vector<ItemPtr>&, unsigned int) override {}
  void BatchBegins() override {}
  void BatchEnds(unsigned int) override {}
  void Replacing() override {}
  void Replaced(bool) override {}
  void Saved() override { Remove(); }
  void DocumentGone() override {
    Remove();
    DocumentAccess::Detach(*document_, this);
    document_ = nullptr;
  }

 private:
  void WriteRecord(const wpath& copy) {
    std::ostringstream text;
    text << kMagic << '\n'
         << "original " << Escape(path_to_string(document_->Path())) << '\n'
         << "program " << Escape(wstring_to_string(program_)) << '\n'
         << "time "
         << boost::posix_time::to_iso_extended_string(boost::posix_time::second_clock::local_time())
         << '\n'
         << "process " << process_.id << '\n'
         << "started " << process_.started << '\n'
         << "copy " << Escape(path_to_string(copy.filename())) << '\n';
    SafeFileWriter file(record_);
    file.Stream() << text.str();
    file.Commit();
  }

  BaseDocument* document_;
  wpath folder_;
  std::wstring program_;
  ProcessIdentity process_;
  std::wstring base_;  // "<process>-<started>-<n>"
  wpath record_;
  wpath copy_;    // the copy in place, empty for none
  int slot_ = 0;  // its name's number: 1 or 2
  unsigned long long revision_ = 0;
};

}  // namespace detail

RecoveryCopy::RecoveryCopy(BaseDocument& document, const wpath& folder, const std::wstring& program)
    : writer_(new detail::RecoveryWriter(document, folder, program)) {}

RecoveryCopy::~RecoveryCopy() = default;

bool RecoveryCopy::Write() { return writer_->Write(); }
void RecoveryCopy::Remove() noexcept { writer_->Remove(); }
wpath RecoveryCopy::CopyPath() const { return writer_->CopyPath(); }
BaseDocument* RecoveryCopy::Document() const { return writer_->Document(); }

std::vector<RecoveryRecord> RecoveryCopy::ReadRecords(const wpath& folder) {
  std::vector<RecoveryRecord> records;
  boost::system::error_code error;
  if (!detail::fs::is_directory(folder, error)) return records;
  for (detail::fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const wpath& file = entry->path();
    if (file.extension() != detail::kRecordExtension) continue;
    boost::system::error_code ignored;
    if (!detail::fs::is_regular_file(detail::fs::symlink_status(file, ignored))) continue;
    RecoveryRecord record;
    if (detail::ReadRecord(file, record)) records.push_back(record);
  }
  return records;
}

void RecoveryCopy::Restore(BaseDocument& document, const RecoveryRecord& record) {
  // Not an edit: an attached history starts afresh from the copy.
  const std::vector<detail::DocumentObserver*> observers =
      detail::DocumentAccess::Observers(document);
  for (detail::DocumentObserver* observer : observers) observer->Replacing();
  try {
    document.ReadFrom(record.copy);
  } catch (...) {
    for (detail::DocumentObserver* observer : observers) observer->Replaced(true);
    throw;
  }
  detail::DocumentAccess::Bind(document, record.original);
  document.HasChanged(true);
  for (detail::DocumentObserver* observer : observers) observer->Replaced(true);
}

void RecoveryCopy::Discard(const RecoveryRecord& record) noexcept {
  try {
    boost::system::error_code ignored;
    if (!record.record.empty()) detail::fs::remove(record.record, ignored);
    if (!record.copy.empty() && record.copy.parent_path() == record.record.parent_path())
      detail::fs::remove(record.copy, ignored);
  } catch (...) {
  }
}

}  // namespace Orvanta
