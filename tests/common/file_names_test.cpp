#include "common/files/file_names.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/platform.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

using testing_support::TempDir;
using Names = std::vector<std::string>;

TEST(MatchesPatternTest, WildcardsIgnoreLetterCase) {
  struct Case {
    const char* pattern;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"*.bud", "X.BUD", true},  {"1*.dat", "1998.dat", true},   {"1*.dat", "x1.dat", false},
      {"1*.dat", "1.dat", true}, {"cb*.pt", "CB2.PT", true},     {"cb*.pt", "cbx.ptn", false},
      {"?.dat", "9.dat", true},  {"?.dat", "10.dat", false},     {"*", "", true},
      {"*.*", "noext", false},   {"a*b*c", "aXbYbZc", true},     {"a*b*c", "aXbYc", true},
      {"a*b*c", "aXcYb", false}, {"cust.dat", "CUST.DAT", true}, {"*.dat", "x.data", false},
      {"**.pt", "a.pt", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesPattern(c.pattern, c.name), c.matches)
        << "pattern " << c.pattern << " name " << c.name;
  }
}

class FileNamesTest : public ::testing::Test {
 protected:
  TempDir dir_;
  DefaultEnv env_{dir_.path()};
};

TEST_F(FileNamesTest, DeleteIfPresentTakesOrdinaryVisibleFilesOfAnyCase) {
  dir_.Write("X.BUD", "b");
  dir_.Write("1998.dat", "s");
  dir_.Write("1ABC.DAT", "s");
  dir_.Write(".1.dat", "hidden");
  dir_.MakeDirectory("10.dat");
  dir_.Write("x1.dat", "keep");
  DeleteIfPresent(env_, "*.bud");
  DeleteIfPresent(env_, "1*.dat");
  EXPECT_EQ(dir_.Names(), (Names{".1.dat", "10.dat", "x1.dat"}));
}

TEST_F(FileNamesTest, DeleteIfPresentWithoutAMatchChangesNothing) {
  dir_.Write("keep.dat", "k");
  EXPECT_NO_THROW(DeleteIfPresent(env_, "*.bud"));
  EXPECT_EQ(dir_.Names(), (Names{"keep.dat"}));
}

TEST_F(FileNamesTest, PatternDeletionTakesEveryCaseVariant) {
  dir_.Write("enote.dat", "1");
  dir_.Write("ENOTE.DAT", "2");
  DeleteIfPresent(env_, "enote.dat");
  EXPECT_TRUE(dir_.Names().empty());
}

TEST_F(FileNamesTest, SeveralPatternsDeleteInOrderWithOneListing) {
  dir_.Write("1a.dat", "");
  dir_.Write("2B.PTN", "");
  dir_.Write("cust.dat", "");
  DeleteIfPresent(env_, {"1*.dat", "2*.ptn", "1*.dat"});
  EXPECT_EQ(dir_.Names(), (Names{"cust.dat"}));
}

TEST_F(FileNamesTest, PresenceTestCountsOrdinaryFilesOnly) {
  dir_.MakeDirectory("nozero.dat");
  EXPECT_FALSE(FileExists(env_, "nozero.dat"));
  REQUIRE_CASE_SENSITIVE_NAMES();
  dir_.Write("NOZERO.DAT", "");
  EXPECT_TRUE(FileExists(env_, "nozero.dat"));
  EXPECT_TRUE(FileExists(env_, "NoZero.*"));
}

// Case twins: "microadj.dat" and "MICROADJ.DAT" side by side on a
// case-sensitive disk. The writer and the reader spell the file differently,
// so the spelling asked for must not choose between them.
TEST_F(FileNamesTest, EverySpellingResolvesToTheSameTwin) {
  EXPECT_EQ(ResolveName(env_, "cust.dat"), "cust.dat");  // missing: as given
  REQUIRE_CASE_SENSITIVE_NAMES();
  dir_.Write("Cust.dat", "");
  dir_.Write("cust.dat", "");
  dir_.Write("CUST.DAT", "");
  for (const char* asked : {"cust.dat", "Cust.dat", "CUST.DAT", "cUsT.DaT"}) {
    EXPECT_EQ(ResolveName(env_, asked), "CUST.DAT") << asked;  // the first in byte order
  }
}

TEST_F(FileNamesTest, ResolveSkipsATwinThatPatternsDoNotSee) {
  REQUIRE_CASE_SENSITIVE_NAMES();
  dir_.MakeDirectory("DEPT.DAT");
  dir_.Write("dept.dat", "");
  EXPECT_TRUE(FileExists(env_, "DEPT.DAT"));
  EXPECT_EQ(ResolveName(env_, "DEPT.DAT"), "dept.dat");
}

TEST_F(FileNamesTest, SomethingOtherThanAFileIsAnErrorNamingIt) {
  dir_.MakeDirectory("dept.dat");
  try {
    RequireOrdinaryFileOrNothing(env_, "dept.dat", "write");
    FAIL() << "a directory passed as a file";
  } catch (const FileError& error) {
    EXPECT_EQ(error.file(), "dept.dat");
    EXPECT_EQ(error.reason(), "it is a directory, not a file");
  }
  EXPECT_NO_THROW(RequireOrdinaryFileOrNothing(env_, "missing.dat", "write"));
}

}  // namespace
}  // namespace common
