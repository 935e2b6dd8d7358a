#include "cleanslate/settings_file.h"

#include "common/files/record_file.h"

namespace cleanslate {

void WriteSettingsRecord(common::Env& env) {
  common::RecordFile file(env, kSettingsFile, SettingsRecord::kLength);
  SettingsRecord record;
  record.Set(SettingsRecord::Flags, "NNNNNNNNNNNN");
  record.Set(SettingsRecord::Letters, "ABCDEFGHIJ");
  // Differs from the ".075" of "taxrate.dat"; each file keeps its own value.
  record.Set(SettingsRecord::Rate, ".0725");
  record.Set(SettingsRecord::Mode, "W");
  record.Set(SettingsRecord::Flag, "Y");
  file.write(1, record);
  file.Close();
}

}  // namespace cleanslate
