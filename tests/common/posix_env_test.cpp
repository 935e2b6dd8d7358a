// What only a POSIX file system has: permission bits, FIFOs, names starting
// with a dot as the hidden ones.

#include "common/platform/posix_env.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "common/platform/file_error.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

using testing_support::TempDir;
using Names = std::vector<std::string>;

class PosixEnvTest : public ::testing::Test {
 protected:
  TempDir dir_;
  PosixEnv env_{dir_.path()};
};

TEST_F(PosixEnvTest, ReplacingAFileKeepsItsPermissions) {
  dir_.Write("tagsize.dat", "x\r\n");
  ASSERT_EQ(::chmod(dir_.PathOf("tagsize.dat").c_str(), 0640), 0);
  LineFileWriter file(env_, "tagsize.dat");
  WriteTextLine(file, "y");
  file.Close();
  struct stat st;
  ASSERT_EQ(::stat(dir_.PathOf("tagsize.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(PosixEnvTest, AFifoIsNeitherReadNorMatched) {
  // A FIFO must not make the program wait for a writer.
  ASSERT_EQ(::mkfifo(dir_.PathOf("fifo.pt").c_str(), 0600), 0);
  EXPECT_THROW(ReadFirstField(env_, "fifo.pt"), FileError);
  EXPECT_EQ(FindMatchingFiles(env_, "f*.pt"), Names{});
}

TEST_F(PosixEnvTest, DotNamesAreListedAsHidden) {
  dir_.Write(".cust.dat", "");
  dir_.Write("cust.dat", "");
  for (const DirEntry& entry : env_.ListDirectory("")) {
    EXPECT_EQ(entry.hidden, entry.name == ".cust.dat") << entry.name;
  }
  EXPECT_EQ(FindMatchingFiles(env_, "*cust.dat"), Names{"cust.dat"});
}

}  // namespace
}  // namespace common
