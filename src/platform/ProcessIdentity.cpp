// The running process and the liveness of others, as the backend tells them.
#include "orvanta/platform/ProcessIdentity.hpp"

#include "Backend.hpp"

namespace Orvanta {

ProcessIdentity CurrentProcess() {
  ProcessIdentity process;
  process.id = sys::CurrentProcessId();
  process.started = sys::ProcessStartTime(process.id);
  return process;
}

unsigned long CurrentProcessId() { return sys::CurrentProcessId(); }

bool IsProcessRunning(unsigned long id) { return id != 0 && sys::IsProcessRunning(id, 0); }

bool IsProcessRunning(const ProcessIdentity& process) {
  return process.id != 0 && sys::IsProcessRunning(process.id, process.started);
}

}  // namespace Orvanta

#if defined(_WIN32)
#include "Windows/ProcessIdentity.inc"
#else
#include "Unix/ProcessIdentity.inc"
#endif
