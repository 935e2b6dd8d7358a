// Every writer of the initial data set: the files it leaves, their bytes
// (departments and chart byte for byte in their own tests), old files under
// another letter case, and a write that fails part-way.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string>
#include <vector>

#include "cleanslate/department_file.h"
#include "cleanslate/invoice_file.h"
#include "cleanslate/ledger_file.h"
#include "cleanslate/settings_file.h"
#include "cleanslate/small_files.h"
#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/fault_env.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::FaultEnv;
using testing_support::FaultOp;
using testing_support::TempDir;
using Names = std::vector<std::string>;
using Writer = void (*)(common::Env&);

struct ExpectedFile {
  std::string name;
  bool record_file;  // never shortened; a line file is replaced whole
  std::size_t size;
  std::string bytes;  // empty: the family's own test compares the bytes
};

struct WriterCase {
  const char* writer_name;
  Writer writer;
  std::vector<ExpectedFile> files;  // in the order they are written
};

const std::vector<WriterCase>& WriterCases() {
  static const std::vector<WriterCase> cases = {
      {"WritePrinterFontSize",
       WritePrinterFontSize,
       {{"prtfont.siz", false, 7, "\x38\r\n\x31\x30\r\n"}}},
      {"WriteSlipAndCheckCounters",
       WriteSlipAndCheckCounters,
       {{"nextslip.num", false, 5, "\x20\x31\x20\r\n"},
        {"nextck.num", false, 5, "\x20\x31\x20\r\n"}}},
      {"WriteInvoiceFiles",
       WriteInvoiceFiles,
       {{"invoice.dat", true, 148, std::string(148, '\0')},
        {"invoice.ptn", false, 4, "\x20\x31\r\n"}}},
      {"WriteDepartmentFile", WriteDepartmentFile, {{"dept.dat", true, 1230, ""}}},
      {"WriteLastBuFile", WriteLastBuFile, {{"lastbu.dat", false, 6, "NONE\r\n"}}},
      {"WriteTaxRate", WriteTaxRate, {{"taxrate.dat", false, 6, ".075\r\n"}}},
      {"WriteTagFile", WriteTagFile, {{"tag.dat", false, 3, ".\r\n"}}},
      {"WriteLedgerChart",
       WriteLedgerChart,
       {{"ap.dat", true, 7800, ""}, {"ap.ptn", false, 5, "\x20\x37\x38\r\n"}}},
      {"WriteSettingsRecord",
       WriteSettingsRecord,
       {{"brillora.ini", true, 31, "NNNNNNNNNNNNABCDEFGHIJ  .0725WY"}}},
      {"WriteLetterList", WriteLetterList, {{"letter.dat", false, 17, "COLLECT\r\nREPAIR\r\n"}}},
      {"WriteConversionMarker",
       WriteConversionMarker,
       {{"CONVERT.ONE", false, 24, "CONVERT.ONE COMPLEATED\r\n"}}},
  };
  return cases;
}

std::string Upper(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

// What the writer leaves in an empty directory as file `i` of its case.
std::string FreshBytes(const WriterCase& c, std::size_t i) {
  TempDir dir;
  common::DefaultEnv env(dir.path());
  c.writer(env);
  return dir.Read(c.files[i].name);
}

TEST(InitialFilesTest, EachWriterGivesExactlyItsFilesAndBytes) {
  for (const WriterCase& c : WriterCases()) {
    TempDir dir;
    common::DefaultEnv env(dir.path());
    c.writer(env);
    Names expected_names;
    for (const ExpectedFile& file : c.files) {
      expected_names.push_back(file.name);
      const std::string bytes = dir.Read(file.name);
      EXPECT_EQ(bytes.size(), file.size) << c.writer_name << ": " << file.name;
      if (!file.bytes.empty()) {
        EXPECT_EQ(bytes, file.bytes) << c.writer_name << ": " << file.name;
      }
    }
    std::sort(expected_names.begin(), expected_names.end());
    EXPECT_EQ(dir.Names(), expected_names) << c.writer_name;
  }
}

// Old files under another letter case, longer than the new content: a record
// file is rewritten in place and keeps its tail, a line file is replaced.
TEST(InitialFilesTest, OldLongerFilesOfAnotherCaseAreRewrittenUnderTheirNames) {
  const std::string old(8000, 'x');
  for (const WriterCase& c : WriterCases()) {
    TempDir dir;
    common::DefaultEnv env(dir.path());
    Names old_names;  // in the order of c.files
    for (const ExpectedFile& file : c.files) {
      old_names.push_back(Upper(file.name) == file.name ? "convert.one" : Upper(file.name));
      dir.Write(old_names.back(), old);
    }
    c.writer(env);
    Names sorted = old_names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(dir.Names(), sorted) << c.writer_name;
    for (std::size_t i = 0; i < c.files.size(); ++i) {
      const ExpectedFile& file = c.files[i];
      const std::string label = std::string(c.writer_name) + ": " + file.name;
      const std::string bytes = dir.Read(old_names[i]);
      if (!file.record_file) {
        EXPECT_EQ(bytes, file.bytes) << label;
        continue;
      }
      ASSERT_EQ(bytes.size(), old.size()) << label;
      EXPECT_EQ(bytes.substr(file.size), old.substr(file.size)) << label;
      EXPECT_EQ(bytes.substr(0, file.size), file.bytes.empty() ? FreshBytes(c, i) : file.bytes)
          << label;
    }
  }
}

// A disk that fills up part-way through any file: the error names that file,
// the files the writer writes after it are not written, and no temporary file
// is left behind.
TEST(InitialFilesTest, FailingWriteNamesTheFileAndLeavesNoTemporaryFile) {
  for (const WriterCase& c : WriterCases()) {
    for (std::size_t failing = 0; failing < c.files.size(); ++failing) {
      const ExpectedFile& file = c.files[failing];
      const std::string label = std::string(c.writer_name) + ": " + file.name;
      TempDir dir;
      FaultEnv env(dir.path());
      env.FailNext(file.record_file ? FaultOp::kWriteAt : FaultOp::kAppend, file.name, ENOSPC, 0,
                   2);
      try {
        c.writer(env);
        ADD_FAILURE() << label << ": no error";
      } catch (const common::FileError& error) {
        EXPECT_EQ(error.file(), file.name) << label;
        EXPECT_EQ(error.reason(), "No space left on device") << label;
      }
      Names written;
      for (std::size_t i = 0; i < failing; ++i) written.push_back(c.files[i].name);
      // A record file keeps what reached the disk before the failure.
      if (file.record_file) written.push_back(file.name);
      std::sort(written.begin(), written.end());
      EXPECT_EQ(dir.Names(), written) << label;
    }
  }
}

}  // namespace
}  // namespace cleanslate
