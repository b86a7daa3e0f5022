// The folders every program of the family uses, as free functions of the
// program's name. Internal to the application layer: BaseApplication's static
// folder and file operations compose their locations from these. Exported for
// the library's own tests only.
//
//   wpath data = detail::CommonProgramFolder(L"Sections", ShellFolderCommonAppData, 1988);
//   // ~/.local/share/Orvanta/Sections/1.0.0 on POSIX, created if missing
//
// Where a program's files live (<program> is the name given to the
// application's constructor, <version> the product version of
// SetProgramVersion; POSIX folders as ShellFolders.hpp gives them):
// - common application data, CommonAppDataPath(): <shell folder 35> /
//   Orvanta / <program> / <version>, on POSIX $XDG_DATA_HOME/Orvanta/... or
//   ~/.local/share/Orvanta/...; it holds the options file (ConfigFile()), the
//   recent-projects list (MRUFile(), "MRU.ini"), the report XML ("Report.xml")
//   and page ("Report.html"), the program log, "Materials", "Sections", "Temp"
//   and the recovery copies ("Recovery");
// - common documents, CommonDocumentsPath(): <shell folder 46> / Orvanta /
//   <program> / <version>, on POSIX $XDG_DOCUMENTS_DIR/Orvanta/... or
//   ~/Documents/Orvanta/...; it holds "Tutorials";
// - beside the host executable (ExecutableFolder()): "Projects", "Templates",
//   "Manuals", "Reports", "Engines" (the report engines) and "Help" (the help
//   file);
// - in the folder current when first asked (InitialFolder()): the
//   "Materials" and "Sections" libraries.
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {
namespace detail {

// Shell folder `csidl` / "Orvanta" / `program` / the running executable's
// product version, created with every missing parent. Throws Error with
// string-table text `messageId` when the shell cannot give the folder (before
// the version is read), and the path library's error when it cannot be
// created.
ORVANTA_API wpath CommonProgramFolder(const std::wstring& program, int csidl,
                                      unsigned int messageId);

// Shell folder `csidl`, creating nothing. Throws Error with string-table text
// `messageId`, its <CSID/> filled with `csidl`, when the shell cannot give it.
ORVANTA_API wpath ShellFolder(int csidl, unsigned int messageId);

// The folder that holds the running program's executable.
ORVANTA_API wpath ExecutableFolder();

// The process's current folder when first asked, the same ever after.
ORVANTA_API wpath InitialFolder();

// String-table text 1500 (the maker's web address) / `program` /
// "latest_version.xml", joined by "/".
ORVANTA_API wpath LatestVersionAddress(const std::wstring& program);

}  // namespace detail
}  // namespace Orvanta
