// Cleanslate driven through its terminal by any typed bytes, over a small
// data directory: the run ends with status 0, or 1 with one line on the
// error stream; nothing outside the data directory changes, no temporary
// file is left, and the subdirectory named like a data file survives.

#include <sstream>

#include "cleanslate/clock.h"
#include "cleanslate/random_source.h"
#include "cleanslate/terminal/terminal_view.h"
#include "fuzz/fuzz_support.h"

namespace {

class FixedRandom : public cleanslate::RandomSource {
 public:
  double NextFraction() override { return 0.25; }
};

class FixedClock : public cleanslate::Clock {
 public:
  std::string Today() override { return "04-30-1998"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testing_support::MemoryEnv env;
  env.Write("../cust.dat", "outside");
  env.Write("cust.pt", " 2\r\n 2\r\n");
  env.Write("cust.dat", std::string(2 * 180, 'c'));
  env.Write("1998.dat", "sales");
  env.Write("STAFF.HHH", std::string(30 * 40, 's'));
  env.MakeDirectory("keep.dat");
  const fuzz::Snapshot before = env.Snapshot();

  std::istringstream in{std::string(fuzz::AsText(data, size))};
  std::ostringstream out, err;
  FixedRandom random;
  FixedClock clock;
  const int status = cleanslate::RunTerminal(in, out, err, env, random, clock);

  FUZZ_CHECK(status == 0 || status == 1);
  const std::string errors = err.str();
  FUZZ_CHECK(status == 0 ? errors.empty()
                         : !errors.empty() && errors.find('\n') == errors.size() - 1);
  const fuzz::Snapshot after = env.Snapshot();
  FUZZ_CHECK(fuzz::OutsideUnchanged(before, after));
  FUZZ_CHECK(fuzz::NoNewHiddenEntry(before, after));
  FUZZ_CHECK(after.count("/data/keep.dat") == 1);
  return 0;
}
