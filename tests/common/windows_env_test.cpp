// The Windows Env on a Windows file system (run under Wine here): names in
// Windows-1252, letter case, the hidden and system attributes, replacing a
// file, and files other programs hold or that are read-only.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#undef CreateFile
#undef CreateDirectory
#undef RemoveDirectory

#include "common/platform/windows_env.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "common/platform/file_error.h"
#include "common/platform/paths.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

using testing_support::TempDir;
using Names = std::vector<std::string>;

// "café" in Windows-1252, and in capitals.
const std::string kCafe = "caf\xE9";
const std::string kCafeUpper = "CAF\xC9";

class WindowsEnvTest : public ::testing::Test {
 protected:
  TempDir dir_;
  WindowsEnv env_{dir_.path()};

  std::wstring WidePath(const std::wstring& name) const {
    std::wstring path(dir_.path().begin(), dir_.path().end());
    return path + L"\\" + name;
  }

  // Creates `name` with the wide API, holding `bytes`, with `attributes`.
  void MakeFile(const std::wstring& name, const std::string& bytes,
                DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    const HANDLE handle = ::CreateFileW(WidePath(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, attributes, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    DWORD put = 0;
    ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    ::CloseHandle(handle);
  }

  DWORD Attributes(const std::wstring& name) const {
    return ::GetFileAttributesW(WidePath(name).c_str());
  }

  Names Listed() {
    Names names;
    for (const DirEntry& entry : env_.ListDirectory("")) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string Message(const std::function<void()>& action) {
    try {
      action();
    } catch (const FileError& error) {
      return error.what();
    }
    return "no error";
  }
};

TEST_F(WindowsEnvTest, AccentedNamesAreWindows1252OnBothSides) {
  LineFileWriter writer(env_, kCafe + ".dat");
  WriteTextLine(writer, "x");
  writer.Close();
  // The file system holds the name as Unicode: e acute and the euro sign.
  EXPECT_NE(Attributes(L"caf\u00E9.dat"), INVALID_FILE_ATTRIBUTES);
  MakeFile(L"\u20ACuro.pt", "");
  EXPECT_EQ(Listed(), (Names{kCafe + ".dat", "\x80uro.pt"}));
  EXPECT_EQ(ReadFirstField(env_, kCafe + ".dat"), "x");
}

TEST_F(WindowsEnvTest, NamesMatchWithoutRegardToCaseAndKeepTheirCase) {
  MakeFile(L"CAF\u00C9.DAT", "old\r\n");
  EXPECT_EQ(FindMatchingFiles(env_, kCafe + ".*"), Names{kCafeUpper + ".DAT"});
  EXPECT_EQ(ResolveName(env_, kCafe + ".dat"), kCafeUpper + ".DAT");
  LineFileWriter writer(env_, kCafe + ".dat");
  WriteTextLine(writer, "new");
  writer.Close();
  EXPECT_EQ(Listed(), Names{kCafeUpper + ".DAT"});
  EXPECT_EQ(dir_.Read(kCafeUpper + ".DAT"), "new\r\n");
}

TEST_F(WindowsEnvTest, HiddenAndSystemFilesDoNotCount) {
  MakeFile(L"hidden.dat", "h", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(L"system.dat", "s", FILE_ATTRIBUTE_SYSTEM);
  MakeFile(L"plain.dat", "p");
  EXPECT_EQ(FindMatchingFiles(env_, "*.dat"), Names{"plain.dat"});
  DeleteIfPresent(env_, {"*.dat"});
  EXPECT_EQ(Listed(), (Names{"hidden.dat", "system.dat"}));
  for (const DirEntry& entry : env_.ListDirectory("")) EXPECT_TRUE(entry.hidden) << entry.name;
}

TEST_F(WindowsEnvTest, ReplacingAFileLeavesOneVisibleFileWithTheNewBytes) {
  MakeFile(L"tagsize.dat", "old old old\r\n");
  LineFileWriter writer(env_, "tagsize.dat");
  WriteTextLine(writer, " 7 ");
  writer.Close();
  EXPECT_EQ(Listed(), Names{"tagsize.dat"});
  EXPECT_EQ(dir_.Read("tagsize.dat"), " 7 \r\n");
  EXPECT_EQ(Attributes(L"tagsize.dat") & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
  // A hidden file stays hidden when it is rewritten.
  MakeFile(L"secret.ini", "a\r\n", FILE_ATTRIBUTE_HIDDEN);
  LineFileWriter hidden(env_, "secret.ini");
  WriteTextLine(hidden, "b");
  hidden.Close();
  EXPECT_NE(Attributes(L"secret.ini") & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(dir_.Read("secret.ini"), "b\r\n");
}

TEST_F(WindowsEnvTest, AFileHeldOpenWithoutSharingIsInUseAndStaysWhole) {
  MakeFile(L"cust.pt", " 5\r\n");
  const HANDLE held = ::CreateFileW(WidePath(L"cust.pt").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Message([&] { ReadFirstField(env_, "cust.pt"); }),
            "Cannot open \"cust.pt\": it is in use by another program");
  EXPECT_EQ(Message([&] { env_.RemoveFile("cust.pt"); }),
            "Cannot delete \"cust.pt\": it is in use by another program");
  LineFileWriter writer(env_, "cust.pt");
  WriteTextLine(writer, " 0");
  EXPECT_EQ(Message([&] { writer.Close(); }),
            "Cannot write \"cust.pt\": it is in use by another program");
  ::CloseHandle(held);
  EXPECT_EQ(Listed(), Names{"cust.pt"});
  EXPECT_EQ(dir_.Read("cust.pt"), " 5\r\n");
}

TEST_F(WindowsEnvTest, AReadOnlyFileSaysSoAndStaysWhole) {
  MakeFile(L"brillora.ini", "settings", FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(env_.Stat("brillora.ini").writable);
  EXPECT_EQ(env_.Stat("brillora.ini").size, 8u);
  EXPECT_EQ(Message([&] { env_.OpenForUpdate("brillora.ini"); }),
            "Cannot open \"brillora.ini\": it is read-only");
  EXPECT_EQ(Message([&] { env_.RemoveFile("brillora.ini"); }),
            "Cannot delete \"brillora.ini\": it is read-only");
  LineFileWriter writer(env_, "brillora.ini");
  WriteTextLine(writer, "new");
  EXPECT_EQ(Message([&] { writer.Close(); }), "Cannot write \"brillora.ini\": it is read-only");
  EXPECT_EQ(Listed(), Names{"brillora.ini"});
  EXPECT_EQ(dir_.Read("brillora.ini"), "settings");
  ::SetFileAttributesW(WidePath(L"brillora.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WindowsEnvTest, NamesWindows1252CannotSpellAreNoDataFiles) {
  MakeFile(L"\u03A9.dat", "omega");
  const std::vector<DirEntry> entries = env_.ListDirectory("");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].type, EntryType::kOther);
  EXPECT_EQ(FindMatchingFiles(env_, "*.dat"), Names{});
}

TEST_F(WindowsEnvTest, RecordFilesFoldersAndTheRest) {
  auto file = env_.CreateFile("new.dat", "");
  file->WriteAt(4, "tail");
  EXPECT_EQ(file->Size(), 8u);
  char bytes[16] = {};
  EXPECT_EQ(file->ReadAt(4, bytes, sizeof bytes), 4u);
  EXPECT_EQ(std::string(bytes, 4), "tail");
  file->Sync();
  file->Close();
  EXPECT_THROW(env_.CreateFile("NEW.DAT", ""), FileError);  // it exists, whatever the case

  EXPECT_TRUE(env_.CreateDirectory("sub"));
  EXPECT_FALSE(env_.CreateDirectory("SUB"));
  EXPECT_EQ(env_.TypeOf("sub"), EntryType::kDirectory);
  EXPECT_EQ(Message([&] { env_.OpenForReading("sub"); }),
            "Cannot open \"sub\": it is a directory, not a file");
  env_.RemoveDirectory("sub");
  EXPECT_EQ(env_.TypeOf("sub"), EntryType::kMissing);
  EXPECT_EQ(env_.TypeOf("no\\such\\place.dat"), EntryType::kMissing);

  EXPECT_GT(env_.FreeSpace(""), 0u);
  const LocalTime now = env_.Now();
  EXPECT_GE(now.year, 2024);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
}

TEST_F(WindowsEnvTest, TheFollowUpListOnDriveCIsFoundThroughTheEnv) {
  const std::optional<std::string> path = PathOnDrive('c', "brillora-followup-test.pt");
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(*path, "c:\\brillora-followup-test.pt");
  const HANDLE handle = ::CreateFileW(L"C:\\BRILLORA-FOLLOWUP-TEST.PT", GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  ::CloseHandle(handle);
  EXPECT_TRUE(FileExists(env_, *path));
  DeleteIfPresent(env_, *path);
  EXPECT_FALSE(FileExists(env_, *path));
  EXPECT_EQ(Listed(), Names{});
}

}  // namespace
}  // namespace common
