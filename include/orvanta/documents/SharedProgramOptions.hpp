// The program options that are class-wide: read by documents when they save
// and kept by the application. BaseApplication's static accessors
// (AutomaticBackup, BackupExtension, MessageThreshold) are their public face;
// they live here so that documents need not know the application.
#pragma once

#include <string>

#include "orvanta/platform/Export.hpp"

namespace Orvanta {

class ORVANTA_API SharedProgramOptions {
 public:
  SharedProgramOptions() = delete;

  // The options themselves, at their defaults when value-initialised.
  struct Values {
    int message_threshold = 1;
    bool auto_backup = true;
    std::string backup_ext = ".bak";
  };

  // Whether Save() first copies the file as last saved to its backup path.
  static bool AutomaticBackup();
  static void SetAutomaticBackup(bool backup);
  // The backup file's extension, dot included (".bak").
  static std::string BackupExtension();
  static void SetBackupExtension(const std::string& extension);
  static int MessageThreshold();
  static void SetMessageThreshold(int threshold);
  // auto backup on, ".bak", threshold 1.
  static void Reset();

  // The process's one copy, made on first use, which the application's
  // options read and write in place: its options file holds these three
  // among its own.
  static Values& Stored();
};

}  // namespace Orvanta
