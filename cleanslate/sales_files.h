// The sales files: every file whose name starts with a digit 1 to 9 and ends
// in ".dat" or ".ptn". The customer records link into them (SaleLinkA,
// SaleLinkB of "cust.dat").

#ifndef CLEANSLATE_SALES_FILES_H_
#define CLEANSLATE_SALES_FILES_H_

#include <string_view>

#include "common/platform/env.h"

namespace cleanslate {

inline constexpr std::string_view kSalesFilePatterns[] = {
    "1*.dat", "2*.dat", "3*.dat", "4*.dat", "5*.dat", "6*.dat", "7*.dat", "8*.dat", "9*.dat",
    "1*.ptn", "2*.ptn", "3*.ptn", "4*.ptn", "5*.ptn", "6*.ptn", "7*.ptn", "8*.ptn", "9*.ptn"};

// Deletes every sales file, pattern by pattern ("1*.dat" to "9*.dat", then
// "1*.ptn" to "9*.ptn"), with one listing of the data directory. Throws
// FileError naming the first file that cannot be deleted; the ones deleted
// before it stay deleted.
void DeleteSalesFiles(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_SALES_FILES_H_
