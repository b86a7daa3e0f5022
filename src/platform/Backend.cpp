// Chooses the backend of the platform layer: the one place that knows which
// system the library is built for.
#include "Backend.hpp"

#if defined(_WIN32)
#include "Windows/Console.inc"
#include "Windows/Errors.inc"
#include "Windows/Files.inc"
#include "Windows/Modules.inc"
#include "Windows/Process.inc"
#include "Windows/ProcessIdentity.inc"
#include "Windows/ShellFolders.inc"
#else
#include "Unix/Console.inc"
#include "Unix/Errors.inc"
#include "Unix/Files.inc"
#include "Unix/Modules.inc"
#include "Unix/Process.inc"
#include "Unix/ProcessIdentity.inc"
#include "Unix/ShellFolders.inc"
#include "Unix/Sound.inc"
#endif
