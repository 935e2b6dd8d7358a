#include "tag/micro_adjust_file.h"

#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "tag/next_field.h"

namespace tag {

bool MicroAdjustIsOn(common::Env& env) { return common::FileExists(env, kMicroAdjustFile); }

std::string ReadMicroAdjustFactor(common::Env& env) {
  common::LineFileReader file(env, kMicroAdjustFile);
  return NextField(file).value_or("");
}

void SwitchMicroAdjustOn(common::Env& env) { WriteMicroAdjustFactor(env, "0"); }

void WriteMicroAdjustFactor(common::Env& env, std::string_view factor) {
  common::LineFileWriter file(env, kMicroAdjustWrittenName);
  common::WriteTextLine(file, factor);
  file.Close();
}

void SwitchMicroAdjustOff(common::Env& env) { common::DeleteIfPresent(env, kMicroAdjustFile); }

}  // namespace tag
