// RecoveryCopy: a copy of a changed document, kept up to date from the host's
// timer, from which the work can be recovered after the program died.
//
//   Orvanta::RecoveryCopy copy(*project, folder, L"Sections");
//   copy.Write();    // from the host's timer: writes only what changed since
//   ...              // saved, closed, destroyed: the copy is gone
//
// DocumentRecovery (application layer) keeps one for the application's
// current document in the common application-data folder, and lists,
// recovers and discards the copies of runs that died.
//
// A copy is written through the document's own WriteTo (which should write
// through SafeFileWriter) into a file of the recovery folder, and described
// by a small record written through SafeFileWriter beside it: the document's
// path (empty when it was never saved), the program, the time, and the
// process that wrote it. Each write goes into the other of two files and the
// record names the new one only once it is written, so a kill at any moment
// leaves a whole copy (as whole as WriteTo makes it) named by a whole record.
//
// The copy exists only while the document has changes that are nowhere else:
// - Write() writes nothing while the document is unchanged since the last
//   copy (its Revision() is the same): an autosave of an unchanged document
//   costs a comparison; it removes the copy when the changed flag is clear;
// - Save and SaveAs (not SaveCopyAs) remove it at once, as does the
//   destruction of the document or of this object, or Remove().
// A run that ends normally leaves nothing, then; a run that dies leaves its
// copies and their records. The library starts no thread and no timer.
// The copy follows the document's Revision(): a host that changes what only it
// knows calls NotifyHasChanged() (or raises ItemChanged), as it does for
// saving.
//
// Record format (UTF-8 text, one "key value" a line after the first line
// "Orvanta recovery record 1"; backslash, line feed and carriage return in a
// value are written \\, \n and \r; unknown keys are ignored): original (the
// path's bytes as path_to_string gives them), program, time (local,
// YYYY-MM-DDTHH:MM:SS), process, started (ProcessIdentity), copy (the copy's
// file name in the same folder). Records are files named
// "<process>-<started>-<n>.recovery", copies "<process>-<started>-<n>.<1 or
// 2><the document's extension>".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <boost/date_time/posix_time/ptime.hpp>

#include "orvanta/documents/BaseDocument.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/ProcessIdentity.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

namespace detail {
class RecoveryWriter;
}

// One copy left in a recovery folder, as its record describes it.
struct RecoveryRecord {
  wpath original;                 // the document's path; empty for one never saved
  std::wstring program;           // the program that wrote it
  boost::posix_time::ptime time;  // when the copy was written, local time
  ProcessIdentity process;        // the run that wrote it
  wpath copy;                     // the copy, in the folder of the record
  wpath record;                   // the record's own file
};

class ORVANTA_API RecoveryCopy {
 public:
  // Keeps copies of `document` in `folder` (created when first needed),
  // naming `program` in their records. The document must not be destroyed
  // while Write() runs; otherwise either may go first.
  RecoveryCopy(BaseDocument& document, const wpath& folder, const std::wstring& program);
  // Removes the copy.
  ~RecoveryCopy();
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;

  // Writes a copy when the document has changed since the last one and its
  // changed flag is set; true when it wrote. Throws what WriteTo or the
  // careful writer throws (a full disk); the previous copy is kept then.
  bool Write();
  // Removes the copy and its record, if any; never throws.
  void Remove() noexcept;
  // The copy now in place, or an empty path.
  wpath CopyPath() const;
  // The document, or null once it has been destroyed.
  BaseDocument* Document() const;

  // The records in `folder` that can be read and whose copy exists, in no
  // particular order; damaged or foreign files are left out (and left alone).
  // Nothing when the folder does not exist.
  static std::vector<RecoveryRecord> ReadRecords(const wpath& folder);
  // Reads `record`'s copy into `document` with its ReadFrom, binds the
  // document to the original path and sets its changed flag. Throws what
  // ReadFrom throws.
  static void Restore(BaseDocument& document, const RecoveryRecord& record);
  // Removes `record`'s file and its copy; never throws.
  static void Discard(const RecoveryRecord& record) noexcept;

 private:
  std::unique_ptr<detail::RecoveryWriter> writer_;
};

}  // namespace Orvanta
