#include "cleanslate/bookkeeping_files.h"

#include "common/files/file_names.h"
#include "common/files/line_file.h"

namespace cleanslate {

void DeleteBudgetFiles(common::Env& env) { common::DeleteIfPresent(env, kBudgetFilePattern); }

void DeleteCheckbookFiles(common::Env& env) {
  for (const std::string_view pattern : kCheckbookFilePatterns) {
    common::DeleteIfPresent(env, pattern);
  }
}

void WritePayablesCount(common::Env& env, std::string_view line) {
  common::LineFileWriter file(env, kPayablesCountFile);
  common::WriteTextLine(file, line);
  file.Close();
}

}  // namespace cleanslate
