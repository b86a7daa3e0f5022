// The text of the calling thread's last system error.
//
//   if (Orvanta::ShellOpen(L"open", program, L"", L"", 5) <= 32)
//     std::wcerr << Orvanta::LastErrorAsText();
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

// The system's description of the last error of the calling thread, for
// example L"No such file or directory".
ORVANTA_API std::wstring LastErrorAsText();

}  // namespace Orvanta
