#include "cleanslate/full_reset.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "common/app/backup_commands.h"
#include "common/files/file_names.h"
#include "common/journal/backups.h"
#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/counting_fault_env.h"
#include "tests/support/fault_env.h"
#include "tests/support/fixed_sources.h"
#include "tests/support/platform.h"
#include "tests/support/record_bytes.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::FaultEnv;
using testing_support::FaultOp;
using testing_support::FixedClock;
using testing_support::FixedRandom;
using testing_support::Pad;
using testing_support::RecordingHost;
using testing_support::ScriptedMessages;
using testing_support::Snapshot;
using testing_support::Spaces;
using testing_support::TempDir;
using testing_support::Zeros;
using Files = std::map<std::string, std::string>;

// One supplier record, field by field: name, street, city, state, zip,
// phone, second phone, Extra1, Amount1, terms, vendor number.
std::string Supplier(const char* name, const char* street, const char* city, const char* state,
                     const char* zip, const char* phone, const char* phone2, const char* extra1,
                     const char* amount1, const char* terms, const char* vendor) {
  return Pad(name, 25) + Pad(street, 40) + Pad(city, 20) + Pad(state, 2) + Pad(zip, 10) +
         Pad(phone, 12) + Pad(phone2, 12) + Pad(extra1, 6) + Pad(amount1, 8) + Zeros(8) +
         Pad(terms, 14) + Zeros(6) + Pad(vendor, 3) + Zeros(77);
}

std::string Customer(const char* last, const char* first, const char* street, const char* city,
                     const char* state, const char* zip, const char* balance, const char* amount2,
                     const char* phone, const char* extra2, const char* amount3,
                     const char* account) {
  return Pad(last, 20) + Pad(first, 25) + Pad(street, 24) + Zeros(1) + Pad(city, 20) +
         Pad(state, 2) + Pad(zip, 10) + Zeros(12) + Pad(balance, 8) + Pad(amount2, 8) +
         Pad(phone, 12) + Pad(extra2, 6) + Pad(amount3, 8) + Pad(account, 5) + Spaces(12) +
         Zeros(7);
}

std::string StaffSlot(const char* password, char letter, const char* name,
                      const char* permissions) {
  return Pad(password, 5) + letter + Pad(name, 25) + Pad(permissions, 12) + Spaces(106);
}

std::string Department(const char* name, const char* amount) {
  return "000" + Pad(name, 28) + Zeros(2) + Pad(amount, 8);
}

std::string Account(const char* name, const char* number, const char* amount2) {
  return Pad(name, 50) + number + Pad("0", 12) + Pad(amount2, 12) + Spaces(20);
}

// Every file a full reset leaves, with its bytes, for a draw of 0.5 on
// 30 April 1998. "dept.dat" and "ap.dat" are checked apart.
Files ExpectedInitialFiles() {
  std::string staff;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (letter == 'A') {
      staff += StaffSlot("QJPX", 'A', "CLERK", "YNYNYNNNNNNN");
    } else if (letter == 'B') {
      staff += StaffSlot("ZVK", 'B', "DAN SAMPLES", "YNYNYNNNNNNN");
    } else if (letter == 'L') {
      staff += StaffSlot("WQJX", 'L', "SUE TESTING", "YYYYYYYYYYYY");
    } else {
      staff += StaffSlot("", letter, "", "NNNNNNNNNNNN");
    }
  }
  return {
      {"prtfont.siz", "8\r\n10\r\n"},
      {"nextslip.num", " 1 \r\n"},
      {"nextck.num", " 1 \r\n"},
      {"supplier.dat",
       Supplier("ABC JEWELRY CO.", "123 ANY ST.", "ANYTOWN", "CA", "94211", "800-999-9999",
                "206-888-8888", "0", "0.00", "2% 30 DAYS", "100") +
           Supplier("BCD JEWELRY CO.", "123 ANY ST.", "ANYTOWN", "CA", "94211", "800-999-9999",
                    "206-888-8888", "0", "0.00", "NET 30", "200") +
           Supplier("THE BRILLORA CO.", "99999 SAMPLE AVE N #100", "MIDTOWN", "WA", "54322",
                    "555-010-0002", "555-010-0002", "1111", "0.00", "NET NEVER", "300") +
           Supplier("TEMPORARY", "", "", "", "", "", "", "0", "", "", "998") +
           Supplier("ZERO OUT", "Remove From File", "on Next Sort", "", "", "", "", "0", "", "",
                    "999")},
      {"supp.ptn", " 5\r\n 5\r\n"},
      {"invent.dat",
       "300"
       "01111" +
           Pad("WIDE WEDDING BAND WITH 3 DIAS TW/.10 CT", 80) + Spaces(5) + Pad("VS1-J", 9) +
           Zeros(1) + Pad(".10", 5) + Pad("123456789", 15) + Pad("3.9", 6) +
           "14"
           "Y" +
           Pad("1-1-95", 8) + Pad(" 49999999", 15) + Spaces(8 + 13) + Zeros(1 + 6 + 5) + Spaces(7) +
           Zeros(1) + "WED" + Pad("150.00", 12) + Pad("475.00", 12) + Zeros(25)},
      {"invent.ptn", " 1\r\n 1\r\n0\r\n"},
      {"wideinv.dat", "YES\r\n"},
      {"cust.dat",
       Customer("SAMPLER", "CHRIS", "10000 SAMPLE-AVENUE-W WA", "MIDTOWN", "WA", "54321", "500.00",
                "50.00", "555-010-0001", "1", "1000", " 1") +
           Customer("CASH", "SALE", "", "", "", "", ".00", "0.00", "999-999-9000", "", "0", " 2") +
           Customer("ZZZZZZZZ", "", "", "", "", "", ".00", "0.00", "999-999-9999", "", "0", " 3")},
      {"cust.pt", " 3\r\n 3\r\n"},
      {"note.pt", " 1" + Spaces(78) + "\r\n"},
      {"repair.dat", Pad("SAMPLER", 17) + Zeros(3) + Pad("1", 5) + Pad("MAN'S RING", 25) +
                         Pad("SIZE 10 1/2", 24) + Zeros(1) + "A " + Pad("1-1-94", 8) + Spaces(8) +
                         Pad("2-1-94", 8) + Spaces(8) + "FINISH" + Pad("33.00", 8) +
                         Pad("33.00", 8) + Spaces(6) + Pad("1111", 6) + Spaces(6) + Zeros(40)},
      {"repair.ptn", " 1\r\n"},
      {"staff.hhh", staff},
      {"invoice.dat", Zeros(148)},
      {"invoice.ptn", " 1\r\n"},
      {"lastbu.dat", "NONE\r\n"},
      {"taxrate.dat", ".075\r\n"},
      {"tag.dat", ".\r\n"},
      {"ap.ptn", " 78\r\n"},
      {"lastord.dat", " 0 \r\n"},
      {"order.pt", "0\r\n"},
      {"order.dat", Zeros(135)},
      {"brillora.ini", "NNNNNNNNNNNNABCDEFGHIJ  .0725WY"},
      {"letter.dat", "COLLECT\r\nREPAIR\r\n"},
      {"note.dat", Pad("1", 5) + Pad("THIS IS A TEST ACCOUNT", 80) + Pad("0", 6) + "04-30-98"},
      {"CONVERT.ONE", "CONVERT.ONE COMPLEATED\r\n"},
  };
}

// The departments and the chart are long; their first, last and special
// records are checked here, every record by the tests of their files.
void ExpectDepartmentsAndChart(const std::string& departments, const std::string& chart) {
  ASSERT_EQ(departments.size(), 30u * 41);
  EXPECT_EQ(departments.substr(0, 41), Department("GENTS RINGS", "1000.00"));
  EXPECT_EQ(departments.substr(18 * 41, 41), Department("SHIPPING", "1000.00"));
  EXPECT_EQ(departments.substr(19 * 41, 41), Department("[NOT ASSIGNED]", "0.00"));
  EXPECT_EQ(departments.substr(29 * 41, 41), Department("[NOT ASSIGNED]", "0.00"));
  ASSERT_EQ(chart.size(), 78u * 100);
  EXPECT_EQ(chart.substr(0, 100), Account("Cash On Hand", "100.00", "0"));
  EXPECT_EQ(chart.substr(25 * 100, 100), Account("Accounts Payable-Officers", "202.00", "0"));
  EXPECT_EQ(chart.substr(26 * 100, 100), Account("Notes Payable", "203.00", ""));
  EXPECT_EQ(chart.substr(30 * 100, 100),
            Account("Accrued Federal W/H Taxes Payable", "213.00", "10000"));
  EXPECT_EQ(chart.substr(77 * 100, 100), Account("Interest Income", "720.00", "0"));
}

class FullResetTest : public ::testing::Test {
 protected:
  void Run(common::Env& env) {
    const ActionContext context{env, messages_, random_, clock_};
    RunFullReset(context, host_);
  }
  void Run() { Run(env_); }

  // The files of the directory without the departments and the chart, which
  // are checked on their own.
  Files FilesWithoutLongOnes() {
    Files files = Snapshot(dir_);
    departments_ = files["dept.dat"];
    chart_ = files["ap.dat"];
    files.erase("dept.dat");
    files.erase("ap.dat");
    return files;
  }

  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
  ScriptedMessages messages_;
  FixedRandom random_{0.5};
  FixedClock clock_{"04-30-1998"};
  RecordingHost host_;
  std::string departments_, chart_;
};

TEST_F(FullResetTest, EmptyDirectoryGetsTheWholeInitialDataSet) {
  Run();
  EXPECT_EQ(FilesWithoutLongOnes(), ExpectedInitialFiles());
  ExpectDepartmentsAndChart(departments_, chart_);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{"FINISHED"});
  EXPECT_EQ(random_.draws, 1);
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"busy", "events", "events", "events", "events",
                                                   "normal", "end"}));
}

TEST_F(FullResetTest, OldDataGoesAndOnlyUnmatchedFilesSurvive) {
  const std::string old_staff = testing_support::OldRecords(30, 149);
  const Files old_files = {
      {"CUST.DAT", testing_support::OldRecords(50, 180)},
      {"Cust.Pt", " 50\r\n 50\r\n"},
      {"1998.DAT", "sales"},
      {"2ABC.ptn", "sales"},
      {"Note.DAT", "old note"},
      {"enote.pt", " 4\r\n"},
      {"tagsize.dat", " 7 \r\n"},
      {"DEFTAGS.dat", "111\r\n"},
      {"GENTAGS.DAT", "222\r\n"},
      {"numdept.dat", " 30\r\n"},
      {"Microadj.dat", "0\r\n"},
      {"staff.dat", "older staff"},
      {"STAFF.HHH", old_staff},
      {"BRILLORA.INI", Spaces(31)},
      {"Monday.DAY", "day"},
      {"x.PTR", "ptr"},
      {"a.YES", "yes"},
      {"REPORTL.AST", "report"},
      {"CustPh.Srt", "phones"},
      {"PRTFONT.SIZ", "12\r\n14\r\n16\r\n"},
      {"X.BUD", "budget survives"},
      {"notes.txt", "another extension survives"},
      {".hidden.dat", "hidden files are never matched"},
  };
  for (const auto& [name, bytes] : old_files) dir_.Write(name, bytes);
  dir_.MakeDirectory("archive.dat");
  dir_.Write("archive.dat/cust.dat", "a .dat file in a subdirectory survives");

  Run();

  Files expected = ExpectedInitialFiles();
  // Files that exist under another case keep their names. "staff.hhh" and
  // "brillora.ini" are replaced whole: the former staff of slots 27 onward
  // are gone.
  for (const auto& [old_name, bytes] : old_files) {
    for (const auto& [name, content] : Files(expected)) {
      if (name != old_name && common::SameName(name, old_name)) {
        expected[old_name] = content;
        expected.erase(name);
      }
    }
  }
  expected["X.BUD"] = "budget survives";
  expected["notes.txt"] = "another extension survives";
  expected[".hidden.dat"] = "hidden files are never matched";
  expected["archive.dat"] = "<dir>";
  EXPECT_EQ(FilesWithoutLongOnes(), expected);
  ExpectDepartmentsAndChart(departments_, chart_);
  EXPECT_EQ(dir_.Read("archive.dat/cust.dat"), "a .dat file in a subdirectory survives");
}

TEST_F(FullResetTest, FinishedComesBeforeTheNoteCountAndTheConversionMarker) {
  messages_.on_show = [this](const common::Message&) {
    EXPECT_EQ(dir_.Read("note.pt"), " 1\r\n");
    EXPECT_TRUE(dir_.Exists("note.dat"));
    EXPECT_TRUE(dir_.Exists("letter.dat"));
    EXPECT_FALSE(dir_.Exists("CONVERT.ONE"));
    EXPECT_FALSE(host_.ended());
  };
  Run();
  EXPECT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].buttons, common::Buttons::kOk);
}

// A failing step before "FINISHED" puts every file back; one after it (the
// last two files) leaves the committed reset and says so.
TEST_F(FullResetTest, FailingStepPutsEveryFileBack) {
  const struct {
    FaultOp op;
    const char* file;
    bool after_finished;
  } faults[] = {
      {FaultOp::kAppend, "dept.dat", false},
      {FaultOp::kAppend, "lastbu.dat", false},
      {FaultOp::kRename, "CONVERT.ONE", true},
  };
  Files reset;
  {
    TempDir dir;
    common::DefaultEnv env(dir.path());
    ScriptedMessages messages;
    RecordingHost host;
    RunFullReset(ActionContext{env, messages, random_, clock_}, host);
    reset = Snapshot(dir);
  }
  for (const auto& fault : faults) {
    TempDir dir;
    dir.Write("old.ptr", "x");
    dir.Write("cust.dat", "old customers");
    dir.Write("staff.hhh", "old staff");
    const Files before = Snapshot(dir);
    FaultEnv env(dir.path());
    env.FailNext(fault.op, fault.file, ENOSPC, 0, 10);
    ScriptedMessages messages;
    const ActionContext context{env, messages, random_, clock_};
    RecordingHost host;
    try {
      RunFullReset(context, host);
      ADD_FAILURE() << fault.file << ": no error";
    } catch (const common::FileError& error) {
      EXPECT_EQ(error.file(), fault.file);
      std::string expected = std::string("Cannot write \"") + fault.file +
                             "\": No space left on device. Every file has been put back as it was.";
      if (fault.after_finished) {
        expected +=
            " The data files had been zeroed before \"FINISHED\"; only \"note.pt\" and "
            "\"CONVERT.ONE\" are as \"FINISHED\" left them.";
      }
      EXPECT_EQ(std::string(error.what()), expected);
    }
    if (!fault.after_finished) {
      EXPECT_EQ(Snapshot(dir), before) << fault.file;
      EXPECT_EQ(testing_support::DataNames(dir),
                (std::vector<std::string>{"cust.dat", "old.ptr", "staff.hhh"}))
          << fault.file;
      EXPECT_FALSE(dir.Exists("cleanslate-backups")) << fault.file;
      continue;
    }
    // Committed up to "FINISHED": its backup is kept; "note.pt" has its
    // short line and "CONVERT.ONE" is not there.
    Files expected = reset;
    expected.erase("CONVERT.ONE");
    expected["note.pt"] = " 1\r\n";
    EXPECT_EQ(Snapshot(dir), expected);
    EXPECT_TRUE(dir.Exists("cleanslate-backups"));
  }
}

// Closed at "FINISHED" (a hang-up, a kill): the reset stays done, and no
// later start takes it back, however the files changed since.
TEST_F(FullResetTest, KilledAtFinishedStaysDone) {
  TempDir dir;
  dir.Write("cust.dat", "old customers");
  dir.Write("12.dat", "sale");
  common::DefaultEnv env(dir.path());
  ScriptedMessages messages;
  messages.on_show = [](const common::Message& message) {
    if (message.text == "FINISHED") throw testing_support::SimulatedCrash();
  };
  RecordingHost host;
  EXPECT_THROW(RunFullReset(ActionContext{env, messages, random_, clock_}, host),
               testing_support::SimulatedCrash);
  EXPECT_EQ(dir.Read("note.pt"), " 1\r\n");
  EXPECT_FALSE(dir.Exists("CONVERT.ONE"));
  // A week of store use, then a start of either program.
  dir.Write("cust.dat", "a week of new customers");
  ScriptedMessages start;
  common::RecoverAtStart(env, start);
  EXPECT_TRUE(start.shown().empty());
  EXPECT_EQ(dir.Read("cust.dat"), "a week of new customers");
  EXPECT_FALSE(dir.Exists("12.dat"));
  // Its backup, kept, still undoes the whole reset.
  const auto backups = common::ListBackups(env, "cleanslate-backups").backups;
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_EQ(backups[0].manifest.title, "Zero everything");
}

// The real program through a pipe, with its own random draw and today's date.
TEST(FullResetProgramTest, ZeroEverythingThroughThePipe) {
  REQUIRE_POSIX_SHELL();
  TempDir dir;
  dir.Write("CUST.DAT", testing_support::OldRecords(5, 180));
  const std::string command = "cd '" + dir.path() + "' && printf 'y\\n12\\ny\\n\\n' | '" +
                              CLEANSLATE_PROGRAM + "' --terminal > out.txt 2> err.txt";
  EXPECT_EQ(testing_support::RunShell(command), 0);
  const std::string out = dir.Read("out.txt");
  EXPECT_NE(out.find("ZERO all of the files"), std::string::npos);
  EXPECT_NE(out.find("\nFINISHED\n"), std::string::npos);
  EXPECT_EQ(dir.Read("err.txt"), "");

  // The random number: a space, one to eight digits, no point, spaces to 15.
  const std::string item = dir.Read("invent.dat");
  ASSERT_EQ(item.size(), 248u);
  const std::string random = item.substr(140, 15);
  const auto digits_end = random.find(' ', 1);
  ASSERT_NE(digits_end, std::string::npos);
  EXPECT_EQ(random[0], ' ');
  EXPECT_GE(digits_end, 2u);
  EXPECT_LE(digits_end, 9u);
  EXPECT_EQ(random.find_first_not_of("0123456789", 1), digits_end);
  EXPECT_EQ(random.substr(digits_end), Spaces(15 - digits_end));

  // The note is dated today as mm-dd-yy.
  const common::LocalTime now = common::DefaultEnv(dir.path()).Now();
  char today[16];
  std::snprintf(today, sizeof today, "%02d-%02d-%02d", now.month, now.day, now.year % 100);
  EXPECT_EQ(dir.Read("note.dat").substr(91), today);
  // The old "CUST.DAT" went with the other ".dat" files; the new one keeps
  // its name.
  EXPECT_FALSE(dir.Exists("cust.dat"));
  EXPECT_EQ(dir.Read("CUST.DAT").size(), 3u * 180);
  EXPECT_NE(dir.Read("CUST.DAT"), testing_support::OldRecords(3, 180));
}

}  // namespace
}  // namespace cleanslate
