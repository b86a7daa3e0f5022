// SafeFileWriter: replaces a user's file so that it is never left damaged.
// Every file the library writes on the user's behalf goes through it (the
// options file, document backups, the report page, the recent-projects list,
// recovery records); a host's BaseDocument::WriteTo should write through it
// too.
//
//   void Project::WriteTo(const Orvanta::wpath& path) const {
//     Orvanta::SafeFileWriter file(path);      // throws when `path` cannot be replaced
//     file.Stream() << content;
//     file.Commit();                           // throws, and leaves `path` as it was
//   }
//
// Give the constructor the stamp of the version read (see below) to keep one
// program from silently overwriting another's save.
//
// What it guarantees:
// - The new content goes into a temporary file with a short unique name in
//   the target's own folder (".orvanta-XXXXXXXXXX.tmp"), created exclusively and
//   never through a link (O_EXCL | O_NOFOLLOW on POSIX); Commit() writes it to
//   the disk (fsync), renames it over the target (renameat; ReplaceFileW on
//   Windows) and then writes the folder to the disk. Whatever happens, a full
//   disk, a kill at any point, or a power cut once Commit() has returned, the
//   target is the old file or the whole new one; never a mixture, never empty.
// - A symbolic link at the target is left alone: the file it names (through
//   any chain of links) is the one replaced.
// - The new file keeps the old one's permission bits, and its owner and
//   group where the caller may give them (root may; others keep the group of
//   a group they belong to).
// - Refused, with nothing written anywhere: a target that is read-only (no
//   write permission bit at all, even for root; FileError::ReadOnly), that
//   the caller may not write, that is a folder, or that is not a regular file
//   (a FIFO, a device: FileError::NotRegularFile); a folder in which the
//   temporary cannot be created.
// - On any failure only its own temporary file is removed; nothing else is.
// - Two writers of one file take turns: a writer holds an advisory lock on
//   the existing target (flock on POSIX, LockFileEx on Windows) from
//   construction until it is committed or destroyed, and a second writer (in
//   this or another process) waits in its constructor until the first is
//   done, then replaces the first one's result. Given the FileStamp of the
//   version its caller read (InputFile::Stamp(), or what the last Commit()
//   returned), a writer refuses, with FileError::ChangedSinceRead, to replace
//   a file that someone else has replaced or written since: the second of two
//   programs that read the same version and save it fails instead of
//   silently dropping the first one's change.
//
// What it does not guarantee:
// - Other links to the same file (hard links) keep the old content: the
//   target's name gets a new file. Extended attributes and access control
//   lists of a POSIX file are not copied (Windows' ReplaceFileW keeps the
//   access control list).
// - The lock binds only writers that take it (SafeFileWriter in any program);
//   other programs may write the file meanwhile, and a writer of a file that
//   does not exist yet has nothing to lock (two such writers both succeed, and
//   the file is whole, from the later one).
// - Progress for two writers of one file in one thread: they wait for each
//   other for ever. Commit or destroy the first before making the second.
// - Durability on the disk is what fsync gives; a failure to write the folder
//   to the disk after the rename is not reported (the new file is in place).
//   On Windows the folder is not flushed; the rename is made write-through.
// - A writer that is killed leaves its temporary file behind (the target is
//   whole), under a name that no writer reuses; nothing removes it later.
//
// Errors are boost::filesystem::filesystem_error naming the target, with a
// system error ("No space left on device", "File too large") or a FileError
// as its code. The destructor never throws.
#pragma once

#include <memory>
#include <ostream>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

class ORVANTA_API SafeFileWriter {
 public:
  // Locks `target` (waiting for another writer of it), checks that it may be
  // replaced and creates the temporary file. Throws filesystem_error when it
  // may not; nothing has been written then.
  explicit SafeFileWriter(const wpath& target);
  // The same, refusing (FileError::ChangedSinceRead) unless the target is
  // still the version `expected` stands for (a default stamp: no file).
  SafeFileWriter(const wpath& target, const FileStamp& expected);
  // Without Commit(), removes the temporary file: the target stays as it was.
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // The binary stream into the temporary file. A write that fails (a full
  // disk) fails the stream, never throws, and is reported by Commit().
  std::ostream& Stream();
  // Puts the content in place of the target, and returns the stamp of the new
  // file. Throws filesystem_error (the first failed write's error, or the
  // system's) when anything fails; the target is then as it was, the
  // temporary removed. Call it once.
  FileStamp Commit();
  // The file replaced: the target, or the file its links name.
  const wpath& Target() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace Orvanta
