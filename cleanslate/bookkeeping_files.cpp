#include "cleanslate/bookkeeping_files.h"

#include "common/file_names.h"
#include "common/line_file.h"

namespace cleanslate {

void DeleteBudgetFiles(common::Env& env) { common::DeleteIfPresent(env, "*.bud"); }

void DeleteCheckbookFiles(common::Env& env) {
  common::DeleteIfPresent(env, "cb*.dat");
  common::DeleteIfPresent(env, "cb*.pt");
}

void WritePayablesCount(common::Env& env, std::string_view line) {
  common::LineFileWriter file(env, kPayablesCountFile);
  common::WriteTextLine(file, line);
  file.Close();
}

}  // namespace cleanslate
