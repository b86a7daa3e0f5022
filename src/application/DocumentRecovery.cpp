#include "orvanta/application/DocumentRecovery.hpp"

#include <algorithm>

#include <boost/date_time/posix_time/posix_time.hpp>

#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/ProcessIdentity.hpp"
#include "orvanta/platform/TextConversion.hpp"

namespace Orvanta {
namespace {

// "The project at '<Path/>' has been recovered from its copy of <Time/>", or
// the same for a project never saved.
std::wstring RecoveredText(const RecoveryRecord& record) {
  std::string time = boost::posix_time::to_iso_extended_string(record.time);
  std::replace(time.begin(), time.end(), 'T', ' ');
  // The time first: it holds no placeholder, and the path may.
  return LibraryText(
      record.original.empty() ? 3021 : 3020,
      {{L"<Time/>", string_to_wstring(time)}, {L"<Path/>", path_to_wstring(record.original)}});
}

}  // namespace

DocumentRecovery::DocumentRecovery(BaseApplication& application)
    : application_(application), folder_(BaseApplication::CommonAppDataPath() / "Recovery") {}

DocumentRecovery::~DocumentRecovery() = default;

bool DocumentRecovery::Autosave() {
  const boost::shared_ptr<BaseDocument> document = application_.GetDocument();
  if (!document) {
    copy_.reset();
    return false;
  }
  if (!copy_ || copy_->Document() != document.get()) {
    copy_.reset();  // the old document's copy goes first
    copy_.reset(new RecoveryCopy(*document, folder_, BaseApplication::ProgramName()));
  }
  return copy_->Write();
}

std::vector<RecoveryRecord> DocumentRecovery::Recoverable() const {
  std::vector<RecoveryRecord> records = RecoveryCopy::ReadRecords(folder_);
  records.erase(
      std::remove_if(records.begin(), records.end(),
                     [](const RecoveryRecord& record) { return IsProcessRunning(record.process); }),
      records.end());
  std::stable_sort(
      records.begin(), records.end(),
      [](const RecoveryRecord& a, const RecoveryRecord& b) { return a.time > b.time; });
  return records;
}

boost::shared_ptr<BaseDocument> DocumentRecovery::Recover(const RecoveryRecord& record) {
  if (application_.GetDocument() && !application_.CloseDocument())
    return boost::shared_ptr<BaseDocument>();
  BroadcastDocumentOpening();
  const boost::shared_ptr<BaseDocument> document = application_.MakeNewDocument();
  RecoveryCopy::Restore(*document, record);
  application_.SetDocument(document);
  BroadcastDocumentOpened(document);
  if (document->Notification()) BroadcastInformationMessage(RecoveredText(record), true);
  // The work is safe in this run's copy before the dead run's goes.
  Autosave();
  RecoveryCopy::Discard(record);
  return document;
}

void DocumentRecovery::Discard(const RecoveryRecord& record) { RecoveryCopy::Discard(record); }

}  // namespace Orvanta
