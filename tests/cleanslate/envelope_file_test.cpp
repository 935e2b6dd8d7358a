#include "cleanslate/envelope_file.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "tests/support/record_bytes.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::OldRecords;
using testing_support::Pad;
using testing_support::Spaces;
using testing_support::TempDir;
using testing_support::Zeros;

TEST(EnvelopeFileTest, SampleEnvelopeReplacesRecordOne) {
  TempDir dir;
  common::DefaultEnv env(dir.path());
  const std::string old = OldRecords(4, 189);
  dir.Write("repair.dat", old);

  WriteEnvelopeSeed(env);

  const std::string sample = Pad("SAMPLER", 17) + Zeros(3) + Pad("1", 5) + Pad("MAN'S RING", 25) +
                             Pad("SIZE 10 1/2", 24) + Zeros(1) + Pad("A", 2) + Pad("1-1-94", 8) +
                             Spaces(8) + Pad("2-1-94", 8) + Spaces(8) + "FINISH" + Pad("33.00", 8) +
                             Pad("33.00", 8) + Spaces(6) + Pad("1111", 6) + Spaces(6) + Zeros(10) +
                             Zeros(30);
  const std::string bytes = dir.Read("repair.dat");
  ASSERT_EQ(bytes.size(), 756u);
  EXPECT_EQ(bytes.substr(0, 189), sample);
  EXPECT_EQ(bytes.substr(189), old.substr(189));
  EXPECT_EQ(dir.Read("repair.ptn"), "\x20\x31\r\n");
}

TEST(EnvelopeFileTest, NotesAreDeletedWhicheverIsPresent) {
  struct Case {
    std::vector<std::string> present;
  };
  const Case cases[] = {{{}}, {{"enote.pt"}}, {{"ENOTE.DAT", "enote.pt"}}};
  for (const Case& c : cases) {
    TempDir dir;
    common::DefaultEnv env(dir.path());
    for (const std::string& name : c.present) dir.Write(name, "x");
    dir.Write("enote.bak", "kept");
    DeleteEnvelopeNotes(env);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"enote.bak"}) << c.present.size();
  }
}

}  // namespace
}  // namespace cleanslate
