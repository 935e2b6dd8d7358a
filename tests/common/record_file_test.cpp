#include "common/files/record_file.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/fault_env.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

using testing_support::FaultEnv;
using testing_support::FaultOp;
using testing_support::TempDir;

std::string Records(int count, int length) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += std::string(length, static_cast<char>('a' + i % 26));
  return bytes;
}

class RecordFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  DefaultEnv env_{dir_.path()};
};

TEST_F(RecordFileTest, WritingRecordOneKeepsTheOthersAndTheLength) {
  const std::string before = Records(10, 4);
  dir_.Write("x.dat", before);
  RecordFile file(env_, "x.dat", 4);
  EXPECT_EQ(file.RecordCount(), 10);
  file.write(1, TextRecord(std::string("ZZZZ"), 4));
  file.Close();
  EXPECT_EQ(dir_.Read("x.dat"), "ZZZZ" + before.substr(4));
}

TEST_F(RecordFileTest, MissingFileIsCreatedWithExactlyTheRecordsWritten) {
  {
    RecordFile file(env_, "new.dat", 135);
    EXPECT_EQ(file.RecordCount(), 0);
    file.Close();
  }
  EXPECT_EQ(dir_.Read("new.dat"), "");
  RecordFile file(env_, "new.dat", 135);
  file.write(1, TextRecord(135));
  file.Close();
  EXPECT_EQ(dir_.Read("new.dat"), std::string(135, '\0'));
}

TEST_F(RecordFileTest, WritingPastTheEndExtendsTheFile) {
  dir_.Write("x.dat", "aaaa");
  RecordFile file(env_, "x.dat", 4);
  file.write(3, TextRecord(std::string("cccc"), 4));
  file.Close();
  EXPECT_EQ(dir_.Read("x.dat"), std::string("aaaa\0\0\0\0cccc", 12));
}

TEST_F(RecordFileTest, AnotherCaseOfTheNameIsRewrittenInPlace) {
  dir_.Write("CUST.DAT", "aaaabbbb");
  RecordFile file(env_, "cust.dat", 4);
  file.write(2, TextRecord(std::string("ZZZZ"), 4));
  file.Close();
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"CUST.DAT"});
  EXPECT_EQ(dir_.Read("CUST.DAT"), "aaaaZZZZ");
}

TEST_F(RecordFileTest, PartialLastRecordIsNotARecordAndStaysUntouched) {
  dir_.Write("x.dat", "aaaabbbbcc");
  RecordFile file(env_, "x.dat", 4);
  EXPECT_EQ(file.RecordCount(), 2);
  EXPECT_EQ(file.read(2).bytes(), "bbbb");
  EXPECT_THROW(file.read(3), FileError);
  EXPECT_THROW(file.read(0), FileError);
  file.Close();
  EXPECT_EQ(dir_.Read("x.dat"), "aaaabbbbcc");
}

TEST_F(RecordFileTest, WalkAcrossManyWindowsChangesOnlyWhatWasWritten) {
  // 20,000 records of 180 bytes cross the internal window several times.
  const int count = 20000;
  std::string expected = Records(count, 180);
  dir_.Write("big.dat", expected);
  {
    RecordFile file(env_, "big.dat", 180);
    ASSERT_EQ(file.RecordCount(), count);
    for (int n = 1; n <= count; n += 3) {
      TextRecord record = file.read(n);
      record.Set({102, 12}, "");
      file.write(n, record);
      expected.replace(static_cast<std::size_t>(n - 1) * 180 + 102, 12, std::string(12, ' '));
    }
    EXPECT_EQ(file.read(count).bytes(), expected.substr((count - 1) * 180));
    file.Close();
  }
  EXPECT_EQ(dir_.Read("big.dat"), expected);
}

TEST_F(RecordFileTest, DirectoryOfThatNameIsAnErrorNamingIt) {
  dir_.MakeDirectory("1998.dat");
  try {
    RecordFile file(env_, "1998.dat", 10);
    FAIL() << "opened a directory as a record file";
  } catch (const FileError& error) {
    EXPECT_EQ(error.file(), "1998.dat");
  }
}

TEST(RecordFileFaultTest, FailedWriteIsReportedWithTheFileName) {
  TempDir dir;
  FaultEnv env(dir.path());
  dir.Write("cust.dat", Records(3, 10));
  env.FailNext(FaultOp::kWriteAt, "cust.dat", ENOSPC);
  RecordFile file(env, "cust.dat", 10);
  file.write(1, TextRecord(10));
  try {
    file.Close();
    FAIL() << "the failed write was not reported";
  } catch (const FileError& error) {
    EXPECT_EQ(error.file(), "cust.dat");
    EXPECT_EQ(error.reason(), "No space left on device");
    EXPECT_EQ(std::string(error.what()), "Cannot write \"cust.dat\": No space left on device");
  }
}

}  // namespace
}  // namespace common
