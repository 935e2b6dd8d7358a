// What the tag layout editor says about itself: its command, its messages'
// title, its options and how its terminal mode is driven (part of --help).

#ifndef TAG_PROGRAM_INFO_H_
#define TAG_PROGRAM_INFO_H_

#include "common/app/startup.h"

namespace tag {

const common::ProgramInfo& TagInfo();

}  // namespace tag

#endif  // TAG_PROGRAM_INFO_H_
