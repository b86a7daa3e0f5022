// DocumentRecovery: autosave of the application's current document, and the
// recovery of the documents of runs that died.
//
//   auto recovery = std::make_unique<Orvanta::DocumentRecovery>(*app);
//   for (const Orvanta::RecoveryRecord& lost : recovery->Recoverable())   // at start-up
//     if (AskTheUser(lost)) recovery->Recover(lost); else recovery->Discard(lost);
//   ...
//   recovery->Autosave();       // from the host's timer, every minute or so
//
// The copies live in Folder(), "Recovery" in the common application-data
// folder, which is the program's and its version's own. Each copy is a
// RecoveryCopy (documents/RecoveryCopy.hpp tells what is written and when):
// Autosave writes one for the current document only when it changed since
// the last, and a document saved, closed (and released) or discarded, or the
// end of this object, takes its copy away. The library starts no thread and
// no timer: the host calls Autosave.
//
// Recoverable() lists the copies of runs that are no longer running: a copy
// of a live instance of the program (this one included) is never offered,
// and a process id reused by another program since does not count as the
// run (ProcessIdentity.hpp).
#pragma once

#include <memory>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/documents/BaseDocument.hpp"
#include "orvanta/documents/RecoveryCopy.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

class ORVANTA_API DocumentRecovery {
 public:
  // Works for `application`, which must outlive it. Throws Error when the
  // common application-data folder cannot be found (as CommonAppDataPath).
  explicit DocumentRecovery(BaseApplication& application);
  // Removes this run's copy.
  ~DocumentRecovery();
  DocumentRecovery(const DocumentRecovery&) = delete;
  DocumentRecovery& operator=(const DocumentRecovery&) = delete;

  const wpath& Folder() const { return folder_; }

  // Writes a copy of the current document when it changed since the last one
  // (true then); with no current document, or another one than last time,
  // the old copy goes. Throws what the document's WriteTo or the careful
  // writer throws; the previous copy stays then.
  bool Autosave();

  // The copies of earlier runs that are no longer running, the most recent
  // first.
  std::vector<RecoveryRecord> Recoverable() const;

  // Makes `record`'s copy the current document: closes the current one
  // first, as OpenDocument does (returning null, with nothing changed, when
  // the user keeps it), raises DocumentOpening, reads the copy into a new
  // document of the host (MakeNewDocument, then ReadFrom), binds it to the
  // original path with its changed flag set, raises DocumentOpened, and
  // announces text 3020 (3021 for a document never saved). Then this run
  // writes its own copy and the dead run's copy goes. A copy that cannot be
  // read passes ReadFrom's exception on, leaving no current document and
  // the copy in place.
  boost::shared_ptr<BaseDocument> Recover(const RecoveryRecord& record);
  // Removes `record`'s copy for good; never throws.
  void Discard(const RecoveryRecord& record);

 private:
  BaseApplication& application_;
  wpath folder_;
  std::unique_ptr<RecoveryCopy> copy_;
};

}  // namespace Orvanta
