// MemoryEnv stands in for the disk in tests and fuzz targets, so it must
// answer as PosixEnv does: every case here runs on both.

#include "tests/support/memory_env.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "common/files/line_file.h"
#include "common/platform/file_error.h"
#include "common/platform/posix_env.h"
#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

using common::EntryType;
using Names = std::vector<std::string>;

// One disk under test and the means to set it up from outside the Env.
struct Disk {
  virtual ~Disk() = default;
  virtual common::Env& env() = 0;
  virtual void Write(const std::string& name, const std::string& bytes) = 0;
  virtual void MakeDirectory(const std::string& name) = 0;
  virtual void MakeLink(const std::string& name, const std::string& target) = 0;
  virtual Names List() = 0;
};

struct PosixDisk : Disk {
  TempDir dir;
  common::PosixEnv posix{dir.path()};
  common::Env& env() override { return posix; }
  void Write(const std::string& name, const std::string& bytes) override { dir.Write(name, bytes); }
  void MakeDirectory(const std::string& name) override { dir.MakeDirectory(name); }
  void MakeLink(const std::string& name, const std::string& target) override {
    ASSERT_EQ(::symlink(target.c_str(), dir.PathOf(name).c_str()), 0);
  }
  Names List() override { return dir.Names(); }
};

struct MemoryDisk : Disk {
  MemoryEnv memory;
  common::Env& env() override { return memory; }
  void Write(const std::string& name, const std::string& bytes) override {
    memory.Write(name, bytes);
  }
  void MakeDirectory(const std::string& name) override { memory.MakeDirectory(name); }
  void MakeLink(const std::string& name, const std::string& target) override {
    memory.MakeLink(name, target);
  }
  Names List() override { return memory.Names(); }
};

class EnvConformanceTest : public ::testing::TestWithParam<bool> {
 protected:
  EnvConformanceTest() {
    if (GetParam()) {
      disk_ = std::make_unique<MemoryDisk>();
    } else {
      disk_ = std::make_unique<PosixDisk>();
    }
  }
  common::Env& env() { return disk_->env(); }

  // The reason of the FileError that `operation` throws, naming `file`.
  std::string ReasonOf(const std::function<void()>& operation, const std::string& file) {
    try {
      operation();
    } catch (const common::FileError& error) {
      EXPECT_EQ(error.file(), file);
      return error.reason();
    }
    ADD_FAILURE() << "no error for " << file;
    return "";
  }

  std::unique_ptr<Disk> disk_;
};

TEST_P(EnvConformanceTest, NamesKeepTheirCaseAndTypes) {
  disk_->Write("Cust.DAT", "abc");
  disk_->Write("cust.dat", "x");
  disk_->Write(".hidden", "");
  disk_->MakeDirectory("Sub");
  disk_->MakeLink("link.dat", "Cust.DAT");
  std::vector<common::DirEntry> entries = env().ListDirectory("");
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 5u);
  const std::pair<const char*, EntryType> expected[] = {{".hidden", EntryType::kRegular},
                                                        {"Cust.DAT", EntryType::kRegular},
                                                        {"Sub", EntryType::kDirectory},
                                                        {"cust.dat", EntryType::kRegular},
                                                        {"link.dat", EntryType::kLink}};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].name, expected[i].first);
    EXPECT_EQ(entries[i].type, expected[i].second) << entries[i].name;
  }
  EXPECT_EQ(env().Stat("Cust.DAT").size, 3u);
  EXPECT_EQ(env().TypeOf("CUST.DAT"), EntryType::kMissing);
  EXPECT_EQ(env().TypeOf("link.dat"), EntryType::kLink);
  EXPECT_EQ(env().ListDirectory("Sub").size(), 0u);
}

TEST_P(EnvConformanceTest, RecordAndLineFilesWriteWhatTheySay) {
  auto file = env().OpenForUpdate("r.dat");
  file->WriteAt(4, "xy");
  EXPECT_EQ(file->Size(), 6u);
  char buffer[8] = {};
  EXPECT_EQ(file->ReadAt(3, buffer, 8), 3u);
  EXPECT_EQ(std::string(buffer, 3), std::string("\0xy", 3));
  file->Sync();
  file->Close();

  common::LineFileWriter writer(env(), "lines.pt");
  common::WriteTextLine(writer, "one");
  writer.Close();
  EXPECT_EQ(common::ReadFirstField(env(), "lines.pt"), "one");
  EXPECT_EQ(disk_->List(), (Names{"lines.pt", "r.dat"}));  // no temporary file left
}

TEST_P(EnvConformanceTest, AnOpenFileOutlivesTheNameItWasOpenedBy) {
  disk_->Write("a.dat", "old");
  auto reader = env().OpenForReading("a.dat");
  disk_->Write("b.dat", "new");
  env().RenameFile("b.dat", "a.dat");
  char buffer[8];
  EXPECT_EQ(std::string(buffer, reader->Read(buffer, sizeof buffer)), "old");
  EXPECT_EQ(disk_->List(), Names{"a.dat"});
  env().RemoveFile("a.dat");
  EXPECT_TRUE(disk_->List().empty());
}

TEST_P(EnvConformanceTest, FoldersAndTempFiles) {
  EXPECT_TRUE(env().CreateDirectory("backup"));
  EXPECT_FALSE(env().CreateDirectory("backup"));
  disk_->Write("x.dat", "x");
  env().RenameFile("x.dat", "backup/x.dat");
  EXPECT_EQ(env().ListDirectory("backup")[0].name, "x.dat");
  auto [temp, file] = env().CreateTempFile("backup/x.dat");
  EXPECT_EQ(temp.substr(0, 14), "backup/.x.dat.");
  file->Append("y");
  file->Close();
  env().RemoveFile(temp);
  auto created = env().CreateFile("backup/new.dat", "backup/x.dat");
  created->Close();
  env().RemoveFile("backup/new.dat");
  env().RemoveFile("backup/x.dat");
  env().RemoveDirectory("backup");
  EXPECT_TRUE(disk_->List().empty());
  EXPECT_GT(env().FreeSpace(""), 0u);
  EXPECT_GE(env().Now().year, 1998);
}

TEST_P(EnvConformanceTest, FailuresNameTheFileAndTheReason) {
  disk_->MakeDirectory("dir.dat");
  disk_->Write("dir.dat/inside", "");
  disk_->Write("file.dat", "");
  disk_->MakeLink("link.dat", "file.dat");
  auto& e = env();
  EXPECT_EQ(ReasonOf([&] { e.OpenForReading("none.dat"); }, "none.dat"),
            "No such file or directory");
  EXPECT_EQ(ReasonOf([&] { e.OpenForReading("dir.dat"); }, "dir.dat"),
            "it is a directory, not a file");
  EXPECT_EQ(ReasonOf([&] { e.OpenForUpdate("link.dat"); }, "link.dat"),
            "it is a symbolic link, not a file");
  EXPECT_EQ(ReasonOf([&] { e.CreateFile("file.dat", ""); }, "file.dat"), "File exists");
  EXPECT_EQ(ReasonOf([&] { e.RemoveFile("none.dat"); }, "none.dat"), "No such file or directory");
  EXPECT_EQ(ReasonOf([&] { e.RemoveDirectory("dir.dat"); }, "dir.dat"), "Directory not empty");
  EXPECT_EQ(ReasonOf([&] { e.ListDirectory("file.dat"); }, "file.dat"), "Not a directory");
  EXPECT_EQ(ReasonOf([&] { e.OpenForUpdate("no/such.dat"); }, "no/such.dat"),
            "No such file or directory");
  EXPECT_EQ(e.TypeOf("file.dat/x"), EntryType::kMissing);
}

INSTANTIATE_TEST_SUITE_P(PosixAndMemory, EnvConformanceTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Memory" : "Posix"; });

TEST(MemoryEnvTest, DotDotLeavesTheDataDirectoryAsOnADisk) {
  MemoryEnv env;
  env.Write("../outside.dat", "x");
  EXPECT_EQ(env.Read("/outside.dat"), "x");
  EXPECT_TRUE(env.Names().empty());
  env.SetFreeSpace(10);
  EXPECT_EQ(env.FreeSpace(""), 10u);
  EXPECT_EQ(env.Snapshot().count("/data"), 1u);
}

}  // namespace
}  // namespace testing_support
