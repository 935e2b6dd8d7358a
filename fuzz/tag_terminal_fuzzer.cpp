// Tag driven through its terminal by any typed bytes, over a small data
// directory: the run ends with status 0, or 1 with one line on the error
// stream; nothing outside the data directory changes and no temporary file
// is left, whatever the commands.

#include <sstream>

#include "fuzz/fuzz_support.h"
#include "tag/terminal/tag_terminal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testing_support::MemoryEnv env;
  env.Write("../TAGS.dat", "outside\r\n");
  std::string departments;
  for (const char* name : {"GENTS RINGS", "WATCHES", "[NOT ASSIGNED]", ".HIDDEN", "../UP"}) {
    std::string record = "000" + std::string(name);
    record.resize(31, ' ');
    departments += record + std::string(2, '\0') + "1000.00 ";
  }
  env.Write("dept.dat", departments);
  env.Write("numdept.dat", " 5 \r\n");
  env.Write("DEFTAGS.dat", "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\n");
  const fuzz::Snapshot before = env.Snapshot();

  std::istringstream in{std::string(fuzz::AsText(data, size))};
  std::ostringstream out, err;
  const int status = tag::RunTerminal(in, out, err, env);

  FUZZ_CHECK(status == 0 || status == 1);
  const std::string errors = err.str();
  FUZZ_CHECK(status == 0 ? errors.empty()
                         : !errors.empty() && errors.find('\n') == errors.size() - 1);
  const fuzz::Snapshot after = env.Snapshot();
  FUZZ_CHECK(fuzz::OutsideUnchanged(before, after));
  FUZZ_CHECK(fuzz::NoNewHiddenEntry(before, after));
  return 0;
}
