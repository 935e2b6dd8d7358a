#include "common/files/record_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/fault_env.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

using testing_support::FaultEnv;
using testing_support::FaultOp;
using testing_support::TempDir;

// Record n (from 1) of 41 bytes: its number in five digits, then letters.
std::string Record(int n) {
  char number[8];
  std::snprintf(number, sizeof number, "%05d", n % 100000);
  return number + std::string(36, static_cast<char>('a' + n % 26));
}

class RecordReaderTest : public ::testing::Test {
 protected:
  TempDir dir_;
  DefaultEnv env_{dir_.path()};
};

TEST_F(RecordReaderTest, WalksALargeReadOnlyFileAndLeavesAPartialRecord) {
  // More than a megabyte, so the walk refills its window several times.
  std::string bytes;
  for (int n = 1; n <= 30000; ++n) bytes += Record(n);
  bytes += "PARTIAL";
  dir_.Write("DEPT.DAT", bytes);
  ASSERT_EQ(::chmod(dir_.PathOf("DEPT.DAT").c_str(), 0444), 0);

  RecordReader reader(env_, "dept.dat", 41);
  std::string_view record;
  int count = 0;
  bool in_order = true;
  while (reader.Next(record)) {
    ++count;
    in_order = in_order && record == Record(count);
  }
  EXPECT_EQ(count, 30000);
  EXPECT_TRUE(in_order);
  EXPECT_EQ(reader.record_number(), 30000);
  EXPECT_FALSE(reader.Next(record));  // and stays at the end
  EXPECT_EQ(dir_.Read("DEPT.DAT"), bytes);
}

TEST_F(RecordReaderTest, AMissingFileHasNoRecordsAndIsNotCreated) {
  RecordReader reader(env_, "invent.dat", 248);
  std::string_view record;
  EXPECT_FALSE(reader.file_exists());
  EXPECT_FALSE(reader.Next(record));
  EXPECT_TRUE(dir_.Names().empty());
}

TEST_F(RecordReaderTest, ADirectoryOrAFailingOpenIsAFileErrorNamingTheFile) {
  dir_.MakeDirectory("invent.dat");
  EXPECT_THROW(RecordReader(env_, "invent.dat", 248), FileError);

  dir_.Write("dept.dat", Record(1));
  FaultEnv faults(dir_.path());
  faults.FailNext(FaultOp::kOpenForReading, "dept.dat", EACCES);
  try {
    RecordReader reader(faults, "dept.dat", 41);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.file(), "dept.dat");
  }
}

}  // namespace
}  // namespace common
