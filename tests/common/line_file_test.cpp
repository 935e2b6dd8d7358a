#include "common/files/line_file.h"

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
using Names = std::vector<std::string>;

class LineFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  DefaultEnv env_{dir_.path()};

  std::vector<std::string> ReadAllFields(const std::string& name) {
    LineFileReader file(env_, name);
    std::vector<std::string> fields;
    while (!file.AtEnd()) fields.push_back(ReadField(file));
    return fields;
  }
};

TEST_F(LineFileTest, LineFormsGiveTheirBytes) {
  LineFileWriter file(env_, "forms.dat");
  WriteNumberLine(file, 0);
  WriteTextLine(file, "0");
  WriteTextLine(file, NumberText(1));
  WriteNumberLine(file, -7);
  WriteNumberLine(file, 7.5f);
  WriteNumberLine(file, 8.0f);
  WriteTextLine(file, "");
  file.Close();
  EXPECT_EQ(dir_.Read("forms.dat"),
            "\x20\x30\x20\r\n"
            "\x30\r\n"
            "\x20\x31\r\n"
            "-7 \r\n"
            " 7.5 \r\n"
            " 8 \r\n"
            "\r\n");
}

TEST_F(LineFileTest, NothingIsWrittenWithoutClose) {
  dir_.Write("keep.pt", "old\r\n");
  {
    LineFileWriter file(env_, "keep.pt");
    WriteTextLine(file, "new");
  }
  EXPECT_EQ(dir_.Read("keep.pt"), "old\r\n");
}

TEST_F(LineFileTest, ReplacesAnExistingFileUnderItsOwnName) {
  dir_.Write("CUST.PT", "old old old\r\n");
  LineFileWriter file(env_, "cust.pt");
  WriteTextLine(file, " 1");
  file.Close();
  EXPECT_EQ(dir_.Names(), (Names{"CUST.PT"}));
  EXPECT_EQ(dir_.Read("CUST.PT"), " 1\r\n");
}

TEST_F(LineFileTest, WritingOverADirectoryIsAnErrorAndLeavesNothingBehind) {
  dir_.MakeDirectory("nozero.dat");
  LineFileWriter file(env_, "nozero.dat");
  WriteTextLine(file, "No Zero");
  EXPECT_THROW(file.Close(), FileError);
  EXPECT_EQ(dir_.Names(), (Names{"nozero.dat"}));
}

// A failure at any point of the replacement leaves the old file whole and no
// temporary file beside it.
TEST(LineFileFaultTest, FailurePartWayLeavesTheOldFileWhole) {
  const struct {
    FaultOp op;
    std::size_t bytes_first;
    const char* name;
  } faults[] = {
      {FaultOp::kCreateTemp, 0, "create"},
      {FaultOp::kAppend, 3, "disk full after three bytes"},
      {FaultOp::kSync, 0, "sync"},
      {FaultOp::kRename, 0, "rename"},
  };
  for (const auto& fault : faults) {
    TempDir dir;
    FaultEnv env(dir.path());
    dir.Write("Invent.PTN", " 7\r\n 7\r\n0\r\n");
    env.FailNext(fault.op, "nvent.PTN", ENOSPC, 0, fault.bytes_first);
    LineFileWriter file(env, "invent.ptn");
    WriteTextLine(file, " 0");
    WriteTextLine(file, " 0");
    WriteTextLine(file, "0");
    try {
      file.Close();
      ADD_FAILURE() << fault.name << ": no error";
    } catch (const FileError& error) {
      EXPECT_EQ(error.file(), "Invent.PTN") << fault.name;
      EXPECT_EQ(error.reason(), "No space left on device") << fault.name;
    }
    EXPECT_EQ(env.failures(), 1) << fault.name;
    EXPECT_EQ(dir.Names(), (Names{"Invent.PTN"})) << fault.name;
    EXPECT_EQ(dir.Read("Invent.PTN"), " 7\r\n 7\r\n0\r\n") << fault.name;
  }
}

TEST_F(LineFileTest, ReadFieldSkipsLeadingBlanksAndSplitsAtCommas) {
  dir_.Write("a.dat", "\x20\x31\x32\r\nA, B\r\n\r\n  \t\"x, y\" junk ,z\r\nlast");
  EXPECT_EQ(ReadAllFields("a.dat"), (Names{"12", "A", "B", "x, y", "z", "last"}));
}

TEST_F(LineFileTest, ReadFieldKeepsTrailingSpacesAndReadsQuotesToTheEnd) {
  dir_.Write("b.dat", "22222 333 \r\n\"open quote");
  EXPECT_EQ(ReadAllFields("b.dat"), (Names{"22222 333 ", "open quote"}));
}

TEST_F(LineFileTest, AtEndAfterTheLastLineEnd) {
  dir_.Write("t.dat", " 8 \r\n 3 \r\n");
  LineFileReader file(env_, "t.dat");
  EXPECT_EQ(ReadField(file), "8 ");
  EXPECT_FALSE(file.AtEnd());
  EXPECT_EQ(ReadField(file), "3 ");
  EXPECT_TRUE(file.AtEnd());
}

TEST_F(LineFileTest, ReadingPastTheLastFieldIsAnErrorNamingTheFile) {
  dir_.Write("Cust.pt", " 1\r\n  \r\n");
  LineFileReader file(env_, "cust.pt");
  EXPECT_EQ(ReadField(file), "1");
  try {
    ReadField(file);
    FAIL() << "read past the end";
  } catch (const FileError& error) {
    EXPECT_EQ(error.file(), "Cust.pt");
  }
}

TEST_F(LineFileTest, MissingEmptyAndOddFilesAreErrorsNamingThem) {
  try {
    LineFileReader file(env_, "cust.pt");
    FAIL() << "opened a missing file";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open \"cust.pt\": No such file or directory");
  }
  dir_.Write("empty.pt", "");
  EXPECT_THROW(ReadFirstField(env_, "empty.pt"), FileError);
  dir_.MakeDirectory("dir.pt");
  EXPECT_THROW(ReadFirstField(env_, "dir.pt"), FileError);
}

}  // namespace
}  // namespace common
