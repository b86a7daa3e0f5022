// The system's standard folders, by their shell folder number (CSIDL).
//
//   Orvanta::wpath data;
//   if (Orvanta::ShellFolderPath(Orvanta::ShellFolderCommonAppData, data) < 0)
//     throw ...;
//
// On POSIX the folders follow the XDG base-directory conventions:
//   35 common application data: $XDG_DATA_HOME when it is an absolute path,
//      else $HOME/.local/share;
//   46 common documents (and 5, the user's documents): $XDG_DOCUMENTS_DIR when
//      it is an absolute path, else $HOME/Documents;
//   26 application data: $XDG_CONFIG_HOME, else $HOME/.config;
//   28 local application data: as 35;  40 the user's profile: $HOME;
//   37 system: /usr/lib;  38 program files: /opt;  43 common program files:
//      /usr/share.
// A folder built on $HOME fails when HOME is unset or relative. Nothing is
// created. A handler set with SetShellFolderHandler answers in the system's
// place (tests use one to give each test a home of its own).
#pragma once

#include <functional>

#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

enum ShellFolder : int {
  ShellFolderPersonal = 5,
  ShellFolderAppData = 26,
  ShellFolderLocalAppData = 28,
  ShellFolderCommonAppData = 35,
  ShellFolderSystem = 37,
  ShellFolderProgramFiles = 38,
  ShellFolderProfile = 40,
  ShellFolderProgramFilesCommon = 43,
  ShellFolderCommonDocuments = 46
};

// Stores shell folder `csidl` in `folder` and returns 0, or returns a negative
// code (leaving `folder` unchanged) when the system cannot give that folder.
ORVANTA_API long ShellFolderPath(int csidl, wpath& folder);

// Answers ShellFolderPath as it would: stores the folder and returns 0, or
// returns a negative code.
typedef std::function<long(int csidl, wpath& folder)> ShellFolderHandler;

// Makes `handler` answer every ShellFolderPath call from now on; an empty
// handler gives the system's folders back. Returns the handler it replaces.
// Not synchronised: set it before other threads ask for folders.
ORVANTA_API ShellFolderHandler SetShellFolderHandler(ShellFolderHandler handler);

}  // namespace Orvanta
