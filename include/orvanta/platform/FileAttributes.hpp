// The read-only attribute of a file. On POSIX a file is read-only when nobody
// may write it (no write permission bit is set).
//
//   if (Orvanta::IsFileReadOnly(log)) Orvanta::MakeFileReadWrite(log);
#pragma once

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

// False for a file that does not exist.
ORVANTA_API bool IsFileReadOnly(const wpath& file);
// Both throw boost::filesystem::filesystem_error when the attribute cannot be
// changed (a missing file, say). They change the file itself, through a
// descriptor opened without following links, and never what a symbolic link
// names: a link is refused (FileError::SymbolicLink), so that a link planted
// at a file's name cannot have its target's permissions changed.
ORVANTA_API void MakeFileReadOnly(wpath& file);
ORVANTA_API void MakeFileReadWrite(wpath& file);

}  // namespace Orvanta
