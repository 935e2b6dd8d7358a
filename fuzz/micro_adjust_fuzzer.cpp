// The micro-adjust file beside case twins of its name, with any factor
// typed: the switch is on while any spelling exists; the factor written is
// the factor read (its first field), whichever twins are there; switching
// off leaves none; no temporary file is left and nothing else changes.
//
// Input: one byte choosing which spellings exist, then the factor.

#include "fuzz/fuzz_support.h"
#include "tag/micro_adjust_file.h"

namespace {

constexpr const char* kSpellings[] = {"microadj.dat", "MICROADJ.DAT", "Microadj.dat",
                                      "MicroAdj.Dat"};

// The first field of a line as ReadField takes it, stated on its own: blanks
// and line ends skipped, a quoted text up to the next quote, else up to a
// comma or line end; the empty text when nothing is left.
std::string FirstField(const std::string& line) {
  const auto start = line.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return "";
  if (line[start] == '"') {
    const auto end = line.find('"', start + 1);
    return line.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
  }
  const auto end = line.find_first_of(",\r\n", start);
  return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  testing_support::MemoryEnv env;
  env.Write("../microadj.dat", "outside\r\n");
  int present = 0;
  for (int i = 0; i < 4; ++i) {
    if (data[0] & (1 << i)) {
      env.Write(kSpellings[i], std::to_string(i) + "\r\n");
      ++present;
    }
  }
  const std::string factor(fuzz::AsText(data + 1, size - 1));
  const fuzz::Snapshot before = env.Snapshot();

  FUZZ_CHECK(tag::MicroAdjustIsOn(env) == (present > 0));
  if (present > 0) tag::ReadMicroAdjustFactor(env);
  tag::WriteMicroAdjustFactor(env, factor);
  FUZZ_CHECK(tag::MicroAdjustIsOn(env));
  FUZZ_CHECK(tag::ReadMicroAdjustFactor(env) == FirstField(factor + "\r\n"));
  FUZZ_CHECK(env.Names().size() == static_cast<std::size_t>(present > 0 ? present : 1));

  tag::SwitchMicroAdjustOff(env);
  FUZZ_CHECK(!tag::MicroAdjustIsOn(env));
  FUZZ_CHECK(env.Names().empty());
  const fuzz::Snapshot after = env.Snapshot();
  FUZZ_CHECK(fuzz::OutsideUnchanged(before, after));
  FUZZ_CHECK(fuzz::NoNewHiddenEntry(before, after));
  return 0;
}
