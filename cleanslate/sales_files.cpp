#include "cleanslate/sales_files.h"

#include "common/files/file_names.h"

namespace cleanslate {

void DeleteSalesFiles(common::Env& env) { common::DeleteIfPresent(env, kSalesFilePatterns); }

}  // namespace cleanslate
