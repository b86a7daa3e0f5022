// Which process is which: the running process, and whether a process named
// by an earlier run's record is still running.
//
//   const Orvanta::ProcessIdentity me = Orvanta::CurrentProcess();  // kept in a record
//   ...                                                             // a later run:
//   if (!Orvanta::IsProcessRunning(recorded)) { /* its files are orphans */ }
//
// A process id alone names a process only while it runs: after the process
// ends, the system may give its id to another program. An identity therefore
// also holds the time the process started, in the system's own units (clock
// ticks since the machine started on Linux, a FILETIME on Windows), where the
// system tells it; a process that has reused the id started at another time
// and is not the one named. Where the start time cannot be read (POSIX
// systems without /proc) it is 0, and the id alone is compared.
#pragma once

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

struct ProcessIdentity {
  unsigned long id = 0;
  unsigned long long started = 0;  // 0: unknown
};

// The running process, with its start time where the system tells it.
ORVANTA_API ProcessIdentity CurrentProcess();
ORVANTA_API unsigned long CurrentProcessId();

// True while a process of this id exists and has not ended. A process that
// has ended is not running even while its parent has not yet collected its
// exit status (a zombie, where the system shows it: Linux). A process of
// another user that exists is running. Id 0 is no process.
ORVANTA_API bool IsProcessRunning(unsigned long id);
// The same, and the process started at `process.started` (unless that is 0).
ORVANTA_API bool IsProcessRunning(const ProcessIdentity& process);

}  // namespace Orvanta
