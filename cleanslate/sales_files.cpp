#include "cleanslate/sales_files.h"

#include "common/file_names.h"

namespace cleanslate {

void DeleteSalesFiles(common::Env& env) {
  common::DeleteIfPresent(env, {"1*.dat", "2*.dat", "3*.dat", "4*.dat", "5*.dat", "6*.dat",
                                "7*.dat", "8*.dat", "9*.dat", "1*.ptn", "2*.ptn", "3*.ptn",
                                "4*.ptn", "5*.ptn", "6*.ptn", "7*.ptn", "8*.ptn", "9*.ptn"});
}

}  // namespace cleanslate
