// RecentProjects: the projects the user opened or saved last, most recent
// first, kept in a file. The application keeps one in its MRUFile() when the
// host switches it on (BaseApplication::SetRecordRecentProjects); a host may
// also keep a list of its own anywhere.
//
//   app->SetRecordRecentProjects(true);        // OpenDocument and SaveDocumentAs add
//   Orvanta::RecentProjects& recent = app->RecentProjectList();
//   recent.Changed().Connect(&menu, &Menu::OnRecentProjectsChanged);
//   for (const Orvanta::wpath& project : recent.Projects()) ...
//   recent.RemoveMissing();                    // when the user asks to tidy the list
//
// The file is text, one absolute path a line, most recent first, each line
// ending in "\n": a path is written in the system's narrow form (UTF-8 on
// Windows; on POSIX the name's own bytes, which are UTF-8 for every name that
// is valid UTF-8). It is read tolerantly: a missing file, or one that is not
// such a list (a NUL byte, more than 1 MiB, not a regular file: a FIFO is
// never waited for) is an empty list; blank lines and lines that are not
// absolute paths are skipped, "\r\n" line ends and a UTF-8 byte-order mark
// are accepted. Nothing that the file holds makes reading throw.
//
// One entry a file: two paths are one entry when they name the same file by
// its volume and id (FileStamp, while the file can be opened: through a
// symbolic or hard link, "a/../a/x.xml", any other spelling) or have the same
// lexically normal spelling (for a file that cannot be opened). The spelling
// given last is kept.
//
// Every change re-reads the file first, so that a change by another instance
// of the program since is kept, and writes it through SafeFileWriter (never
// over a version it did not read), then raises Changed() once if the list
// differs from the one held. A change that cannot be written (a read-only
// file, a full disk) is reported by the result, false, and nothing throws for
// it; the list held keeps it until the next change or Reload(), which start
// again from the file. The list is one thread's, as the rest of the library.
#pragma once

#include <cstddef>
#include <vector>

#include "orvanta/messages/Signal.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

class ORVANTA_API RecentProjects {
 public:
  // The list kept in `file`, at most `capacity` entries long, read at once.
  RecentProjects(const wpath& file, unsigned int capacity);
  ~RecentProjects();
  RecentProjects(const RecentProjects&) = delete;
  RecentProjects& operator=(const RecentProjects&) = delete;

  // Most recent first.
  const std::vector<wpath>& Projects() const { return projects_; }
  const wpath& File() const { return file_; }
  unsigned int Capacity() const { return capacity_; }

  // Puts `project` first (made absolute against the current folder),
  // merging it with an entry for the same file and dropping what falls
  // beyond the capacity. An empty path, or one holding a line break (which
  // the file cannot keep), is refused: false, nothing changes. True when the
  // list was written.
  bool Add(const wpath& project);
  // Takes the entry for the same file as `project` out. True when written;
  // false also when there was no such entry.
  bool Remove(const wpath& project);
  // Takes out the entries whose files no longer exist (an entry whose
  // existence cannot be told, behind a folder that may not be read, stays).
  // The number taken out; the list is written when it is not 0.
  std::size_t RemoveMissing();
  // Empties the list. True when written.
  bool Clear();
  // Another capacity: a list longer than it is cut (and written, and
  // announced). True unless a cut list could not be written.
  bool SetCapacity(unsigned int capacity);
  // Reads the file again (announcing a list that differs from the one held).
  void Reload();

  // Raised, with no arguments, after each change of Projects(); slots read
  // the list from this object. An exception from a slot reaches the caller
  // of the change (after the list was written).
  Signals::Signal<>& Changed() { return changed_; }

 private:
  // Re-reads the file, applies `change` to the list read (it returns false
  // when there is nothing to write), writes the list, and takes it.
  template <class Change>
  bool Update(Change change);
  // Takes `projects`, announcing them when they differ from the list held.
  void Replace(std::vector<wpath> projects);

  wpath file_;
  unsigned int capacity_;
  std::vector<wpath> projects_;
  Signals::Signal<> changed_;
};

}  // namespace Orvanta
