#include "orvanta/documents/SharedProgramOptions.hpp"

namespace Orvanta {

SharedProgramOptions::Values& SharedProgramOptions::Stored() {
  static Values values;
  return values;
}

bool SharedProgramOptions::AutomaticBackup() { return Stored().auto_backup; }
void SharedProgramOptions::SetAutomaticBackup(bool backup) { Stored().auto_backup = backup; }
std::string SharedProgramOptions::BackupExtension() { return Stored().backup_ext; }
void SharedProgramOptions::SetBackupExtension(const std::string& extension) {
  Stored().backup_ext = extension;
}
int SharedProgramOptions::MessageThreshold() { return Stored().message_threshold; }
void SharedProgramOptions::SetMessageThreshold(int threshold) {
  Stored().message_threshold = threshold;
}
void SharedProgramOptions::Reset() { Stored() = Values(); }

}  // namespace Orvanta
