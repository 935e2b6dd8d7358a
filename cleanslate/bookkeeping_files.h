// The bookkeeping files that the resets only delete or count: the budget
// files "*.bud", the checkbook files "cb*.dat" and "cb*.pt", and "ap.ptn",
// the count file of the chart of accounts "ap.dat".

#ifndef CLEANSLATE_BOOKKEEPING_FILES_H_
#define CLEANSLATE_BOOKKEEPING_FILES_H_

#include <string_view>

#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kPayablesCountFile[] = "ap.ptn";
inline constexpr char kBudgetFilePattern[] = "*.bud";
inline constexpr std::string_view kCheckbookFilePatterns[] = {"cb*.dat", "cb*.pt"};

// Deletes every "*.bud" file, when there is one.
void DeleteBudgetFiles(common::Env& env);

// Deletes every "cb*.dat" file, then every "cb*.pt" file.
void DeleteCheckbookFiles(common::Env& env);

// Replaces "ap.ptn" with the one line `line` ("26").
void WritePayablesCount(common::Env& env, std::string_view line);

}  // namespace cleanslate

#endif  // CLEANSLATE_BOOKKEEPING_FILES_H_
