// The micro-adjust file: while it exists the store product spaces tags by
// printer dots instead of lines. It holds one line, the factor exactly as
// typed. It is written as "Microadj.dat" and looked for, read and deleted as
// "microadj.dat"; names ignore letter case, so both are the one file.

#ifndef TAG_MICRO_ADJUST_FILE_H_
#define TAG_MICRO_ADJUST_FILE_H_

#include <string>
#include <string_view>

#include "common/platform/env.h"

namespace tag {

inline constexpr char kMicroAdjustFile[] = "microadj.dat";
inline constexpr char kMicroAdjustWrittenName[] = "Microadj.dat";

bool MicroAdjustIsOn(common::Env& env);

// The first field of the file; the empty text when the file holds none (as
// after the factor box was emptied). Throws common::FileError.
std::string ReadMicroAdjustFactor(common::Env& env);

// Replaces the file with the single line "0".
void SwitchMicroAdjustOn(common::Env& env);

// Replaces the file with the single line `factor`, unchanged.
void WriteMicroAdjustFactor(common::Env& env, std::string_view factor);

// Deletes the file when it exists.
void SwitchMicroAdjustOff(common::Env& env);

}  // namespace tag

#endif  // TAG_MICRO_ADJUST_FILE_H_
