// The tag layout file "tagsize.dat" in any of its forms and any bytes: the
// positions read never decrease from A to F; a layout written and read again
// is the layout written (font size included, at any magnitude) once the
// repairs of the ten-line form hold for it, which they do after one round;
// the write leaves no temporary file and touches nothing else.

#include <cmath>

#include "common/platform/file_error.h"
#include "fuzz/fuzz_support.h"
#include "tag/tag_layout.h"

namespace {

bool SameLayout(const tag::TagLayout& a, const tag::TagLayout& b) {
  for (int i = 1; i <= 8; ++i) {
    if (a.tabpos[i] != b.tabpos[i]) return false;
  }
  return a.fontsize == b.fontsize && a.numacross == b.numacross;
}

bool TenLineRepairsHold(const tag::TagLayout& layout) {
  for (int i = 2; i <= 8; ++i) {
    if (layout.tabpos[i] < layout.tabpos[i - 1]) return false;
  }
  return true;
}

tag::TagLayout WrittenAndRead(testing_support::MemoryEnv& env, const tag::TagLayout& layout) {
  const fuzz::Snapshot before = env.Snapshot();
  tag::WriteLayout(env, layout);
  const fuzz::Snapshot after = env.Snapshot();
  FUZZ_CHECK(fuzz::NoNewHiddenEntry(before, after));
  FUZZ_CHECK(env.Names() == std::vector<std::string>{tag::kTagFile});
  tag::TagLayout read;
  read.tagfile = tag::kTagFile;
  tag::ReadLayout(env, read);
  return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testing_support::MemoryEnv env;
  env.Write(tag::kTagFile, std::string(fuzz::AsText(data, size)));
  tag::TagLayout layout;
  layout.tagfile = tag::kTagFile;
  // A short file leaves the positions it does not reach as they were: at
  // the top, no position read can lie above them.
  for (int i = 1; i <= 8; ++i) layout.tabpos[i] = 32767;
  tag::ReadLayout(env, layout);
  for (int i = 2; i <= 6; ++i) FUZZ_CHECK(layout.tabpos[i] >= layout.tabpos[i - 1]);
  FUZZ_CHECK(std::isfinite(layout.fontsize));

  const tag::TagLayout once = WrittenAndRead(env, layout);
  if (TenLineRepairsHold(layout)) FUZZ_CHECK(SameLayout(once, layout));
  FUZZ_CHECK(TenLineRepairsHold(once));
  FUZZ_CHECK(SameLayout(WrittenAndRead(env, once), once));
  return 0;
}
