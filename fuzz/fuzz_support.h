// What the fuzz targets share: the check that stops a run with the failed
// property, splitting one input into parts, and comparisons of a MemoryEnv
// before and after an operation.

#ifndef FUZZ_FUZZ_SUPPORT_H_
#define FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/app/messages.h"
#include "tests/support/memory_env.h"

// Stops the run (libFuzzer then saves the input) when `condition` is false.
#define FUZZ_CHECK(condition) ((condition) ? (void)0 : fuzz::Fail(#condition, __FILE__, __LINE__))

namespace fuzz {

[[noreturn]] void Fail(const char* condition, const char* file, int line);

// The input as text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// `text` cut at every `separator`; at most `max_parts` parts, the last one
// keeping the rest.
std::vector<std::string> Split(std::string_view text, char separator, std::size_t max_parts);

using Snapshot = std::map<std::string, std::string>;

// True when no entry outside the data directory differs between the two.
bool OutsideUnchanged(const Snapshot& before, const Snapshot& after);

// True when the data directory holds no hidden entry that was not there
// before: a temporary file left behind.
bool NoNewHiddenEntry(const Snapshot& before, const Snapshot& after);

// The messages of a fuzz run: every question gets the next queued answer,
// No when none is left; the texts are kept.
class QueuedMessages : public common::Messages {
 public:
  std::vector<common::Answer> answers;
  std::vector<std::string> texts;

 protected:
  common::Answer Show(const common::Message& message) override;

 private:
  std::size_t next_ = 0;
};

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

#endif  // FUZZ_FUZZ_SUPPORT_H_
