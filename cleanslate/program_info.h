// What the reset utility says about itself: its command, its messages'
// title, and how its terminal mode is driven (part of --help).

#ifndef CLEANSLATE_PROGRAM_INFO_H_
#define CLEANSLATE_PROGRAM_INFO_H_

#include "common/app/startup.h"

namespace cleanslate {

const common::ProgramInfo& CleanslateInfo();

}  // namespace cleanslate

#endif  // CLEANSLATE_PROGRAM_INFO_H_
