#include "orvanta/documents/SharedProgramOptions.hpp"

namespace Orvanta {
namespace {

struct Options {
  bool autoBackup = true;
  std::string backupExtension = ".bak";
  int messageThreshold = 1;
};

Options& Stored() {
  static Options options;
  return options;
}

}  // namespace

bool SharedProgramOptions::AutomaticBackup() { return Stored().autoBackup; }
void SharedProgramOptions::SetAutomaticBackup(bool backup) { Stored().autoBackup = backup; }
std::string SharedProgramOptions::BackupExtension() { return Stored().backupExtension; }
void SharedProgramOptions::SetBackupExtension(const std::string& extension) {
  Stored().backupExtension = extension;
}
int SharedProgramOptions::MessageThreshold() { return Stored().messageThreshold; }
void SharedProgramOptions::SetMessageThreshold(int threshold) {
  Stored().messageThreshold = threshold;
}
void SharedProgramOptions::Reset() { Stored() = Options(); }

}  // namespace Orvanta
