#include "cleanslate/category_resets.h"

#include <gtest/gtest.h>

#include "common/journal/work_lock.h"
#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/fixed_sources.h"
#include "tests/support/record_bytes.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::DataNames;
using testing_support::FixedClock;
using testing_support::FixedRandom;
using testing_support::OldRecords;
using testing_support::RecordingHost;
using testing_support::ScriptedMessages;
using testing_support::Snapshot;
using testing_support::Spaces;
using testing_support::TempDir;
using testing_support::Zeros;

using Files = std::map<std::string, std::string>;

constexpr char kSortNow[] =
    " You will have to run a SORT EVERYTHING immediatly to have Brillora work.";

class CategoryResetsTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
  ScriptedMessages messages_;
  FixedRandom random_;
  FixedClock clock_;
  RecordingHost host_;
  ActionContext context_{env_, messages_, random_, clock_};

  // Customers with sale links set, and a count file declaring `count`.
  std::string WriteCustomers(int records, const std::string& count_file) {
    std::string bytes = OldRecords(records, 180);
    for (int n = 0; n < records; ++n) bytes.replace(n * 180 + 102, 12, "LINKLINKLINK");
    dir_.Write("cust.dat", bytes);
    dir_.Write("cust.pt", count_file);
    return bytes;
  }
};

TEST_F(CategoryResetsTest, SalesResetDeletesOnlySalesFilesAndBlanksCountedLinks) {
  const std::string customers = WriteCustomers(5, " 3\r\n 3\r\n");
  for (const char* name : {"1998.dat", "2ABC.ptn", "9.dat", "5X.PTN", "invent.ptn", "x1.dat",
                           "0abc.dat", "1abc.txt", "4.ptnx"}) {
    dir_.Write(name, "x");
  }
  dir_.MakeDirectory("3dir.dat");

  RunCategoryReset(kSalesReset, context_, host_);

  EXPECT_EQ(DataNames(dir_),
            (std::vector<std::string>{"0abc.dat", "1abc.txt", "3dir.dat", "4.ptnx", "cust.dat",
                                      "cust.pt", "invent.ptn", "x1.dat"}));
  std::string expected = customers;
  for (int n = 0; n < 3; ++n) expected.replace(n * 180 + 102, 12, Spaces(12));
  EXPECT_EQ(dir_.Read("cust.dat"), expected);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{"The sales files have been zeroed."});
  EXPECT_EQ(host_.calls, std::vector<std::string>{"normal"});
}

// A missing or empty "cust.pt": both walks find out before they change
// anything, so no sales file is deleted while its links stay.
TEST_F(CategoryResetsTest, MissingOrBlankCustomerCountChangesNothing) {
  struct Case {
    const char* name;
    void (*run)(const ActionContext&, RecordingHost&);
    const char* count_file;  // null: no file
  };
  const auto sales = [](const ActionContext& c, RecordingHost& h) {
    RunCategoryReset(kSalesReset, c, h);
  };
  const auto balances = [](const ActionContext& c, RecordingHost& h) {
    RunCategoryReset(kBalancesReset, c, h);
  };
  const Case cases[] = {
      {"sales, missing", sales, nullptr},     {"sales, empty", sales, ""},
      {"sales, blank", sales, " \t\r\n\r\n"}, {"balances, missing", balances, nullptr},
      {"balances, empty", balances, ""},
  };
  for (const Case& c : cases) {
    TempDir dir;
    common::DefaultEnv env(dir.path());
    ScriptedMessages messages;
    ActionContext context{env, messages, random_, clock_};
    dir.Write("cust.dat", std::string(180, 'c'));
    dir.Write("1998.dat", "sales");
    dir.Write("7.ptn", "sales");
    if (c.count_file != nullptr) dir.Write("cust.pt", c.count_file);
    const Files before = Snapshot(dir);
    try {
      c.run(context, host_);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const common::FileError& error) {
      EXPECT_EQ(error.file(), "cust.pt") << c.name;
    }
    EXPECT_EQ(Snapshot(dir), before) << c.name;
    EXPECT_TRUE(messages.texts().empty()) << c.name;
  }
}

// A count beyond the file: the sales reset writes no customers that never
// existed.
TEST_F(CategoryResetsTest, CountBeyondTheFileAddsNoCustomers) {
  std::string customers = WriteCustomers(2, " 40\r\n 40\r\n");
  customers += "partial record";
  dir_.Write("cust.dat", customers);

  RunCategoryReset(kSalesReset, context_, host_);
  RunCategoryReset(kBalancesReset, context_, host_);

  std::string expected = customers;
  for (int n = 0; n < 2; ++n) expected.replace(n * 180 + 102, 12, Spaces(12));
  EXPECT_EQ(dir_.Read("cust.dat"), expected);  // the balances "aaaa", "bbbb" read as 0
}

TEST_F(CategoryResetsTest, BalanceResetZeroesTheCountedBalances) {
  std::string customers = OldRecords(5, 180);
  for (int n = 0; n < 5; ++n) customers.replace(n * 180 + 114, 8, " 100.00 ");
  dir_.Write("cust.dat", customers);
  dir_.Write("cust.pt", " 2\r\n 2\r\n");

  RunCategoryReset(kBalancesReset, context_, host_);

  std::string expected = customers;
  for (int n = 0; n < 2; ++n) expected.replace(n * 180 + 114, 8, "0.00    ");
  EXPECT_EQ(dir_.Read("cust.dat"), expected);
  EXPECT_EQ(messages_.texts(), std::vector<std::string>{"The customer balances have been zeroed."});
}

TEST_F(CategoryResetsTest, OrdersResetWritesEmptyOrders) {
  const std::string old = OldRecords(3, 135);
  dir_.Write("order.dat", old);
  dir_.Write("order.pt", " 3\r\n");
  dir_.Write("LASTORD.DAT", " 17 \r\n");

  RunCategoryReset(kOrdersReset, context_, host_);

  EXPECT_EQ(dir_.Read("LASTORD.DAT"), "\x20\x30\x20\r\n");
  EXPECT_EQ(dir_.Read("order.pt"), "\x30\r\n");
  EXPECT_EQ(dir_.Read("order.dat"), Zeros(135) + old.substr(135));
  EXPECT_EQ(messages_.texts(),
            std::vector<std::string>{std::string("The orders files have been zeroed.") + kSortNow});

  TempDir empty;
  common::DefaultEnv env(empty.path());
  RunCategoryReset(kOrdersReset, ActionContext{env, messages_, random_, clock_}, host_);
  EXPECT_EQ(empty.Read("order.dat"), Zeros(135));
}

TEST_F(CategoryResetsTest, PayablesResetRewritesOnlyTheCount) {
  dir_.Write("ap.ptn", " 78\r\n");
  dir_.Write("ap.dat", "chart of accounts");
  RunCategoryReset(kPayablesReset, context_, host_);
  EXPECT_EQ((Files{{"ap.dat", "chart of accounts"}, {"ap.ptn", "\x32\x36\r\n"}}), Snapshot(dir_));
  EXPECT_EQ(messages_.texts(),
            std::vector<std::string>{std::string("The accounts payable files have been zeroed.") +
                                     kSortNow});
}

TEST_F(CategoryResetsTest, BudgetAndCheckbookResetsDeleteTheirPatterns) {
  for (const char* name :
       {"a.bud", "X.BUD", "bud.dat", "cb1.dat", "CB2.PT", "cbx.ptn", "xcb.dat", "cb.dat"}) {
    dir_.Write(name, "x");
  }
  RunCategoryReset(kBudgetReset, context_, host_);
  EXPECT_EQ(DataNames(dir_), (std::vector<std::string>{"CB2.PT", "bud.dat", "cb.dat", "cb1.dat",
                                                       "cbx.ptn", "xcb.dat"}));
  RunCategoryReset(kCheckbookReset, context_, host_);
  EXPECT_EQ(DataNames(dir_), (std::vector<std::string>{"bud.dat", "cbx.ptn", "xcb.dat"}));
  EXPECT_EQ(messages_.texts(), (std::vector<std::string>{"The budget files have been zeroed.",
                                                         "The checkbook files have been zeroed."}));
}

TEST_F(CategoryResetsTest, BudgetResetWithoutBudgetFilesStillCompletes) {
  dir_.Write("keep.dat", "x");
  RunCategoryReset(kBudgetReset, context_, host_);
  EXPECT_EQ(Snapshot(dir_), (Files{{"keep.dat", "x"}}));
  EXPECT_EQ(messages_.texts().size(), 1u);
}

// The file work of these resets is checked byte by byte with their file
// families; here only which files they touch and what they say.
TEST_F(CategoryResetsTest, RecordResetsTouchTheirFilesAndSayTheirMessage) {
  struct Case {
    const char* name;
    const CategoryReset& reset;
    std::vector<std::string> files_after;
    std::string message;
  };
  const std::string inventory_message =
      std::string("The inventory files have been zeroed.") + kSortNow +
      " NOTE: there is one item in the inventory number 998-00001.  After you enter more "
      "inventory, this item can be eliminated by entering 999 as the vendor number.";
  const Case cases[] = {
      {"customers",
       kCustomersReset,
       {"cust.dat", "cust.pt", "enote.pt", "note.pt", "staff.dat"},
       std::string("The customer files have been zeroed.") + kSortNow},
      {"inventory",
       kInventoryReset,
       {"enote.pt", "invent.dat", "invent.ptn", "staff.dat"},
       inventory_message},
      {"suppliers",
       kSuppliersReset,
       {"enote.pt", "staff.dat", "supp.ptn", "supplier.dat"},
       std::string("The supplier files have been zeroed.") + kSortNow},
      {"envelopes",
       kEnvelopesReset,
       {"repair.dat", "repair.ptn", "staff.dat"},
       "The envelope files have been zeroed."},
      {"staff",
       kStaffReset,
       {"enote.pt", "staff.dat", "staff.hhh"},
       "The staff files have been zeroed."},
  };
  for (const Case& c : cases) {
    TempDir dir;
    common::DefaultEnv env(dir.path());
    ScriptedMessages messages;
    dir.Write("enote.pt", " 4\r\n");
    dir.Write("staff.dat", "old staff");
    RunCategoryReset(c.reset, ActionContext{env, messages, random_, clock_}, host_);
    EXPECT_EQ(DataNames(dir), c.files_after) << c.name;
    ASSERT_EQ(messages.shown().size(), 1u) << c.name;
    EXPECT_EQ(messages.shown()[0].text, c.message) << c.name;
    EXPECT_EQ(messages.shown()[0].buttons, common::Buttons::kOk) << c.name;
  }
}

// A folder named like a file the envelope reset deletes is no file: it is
// left alone and the reset goes on.
TEST_F(CategoryResetsTest, AFolderNamedLikeADeletedFileIsLeftAlone) {
  dir_.MakeDirectory("enote.dat");
  dir_.Write("enote.dat/kept.txt", "mine");
  dir_.Write("ENOTE.PT", "notes count");
  RunCategoryReset(kEnvelopesReset, context_, host_);
  EXPECT_EQ(dir_.Read("enote.dat/kept.txt"), "mine");
  EXPECT_FALSE(dir_.Exists("ENOTE.PT"));
  EXPECT_EQ(messages_.texts().back(), "The envelope files have been zeroed.");
}

// While another Cleanslate or Tag works on the directory, a reset changes
// nothing and says why.
TEST_F(CategoryResetsTest, ABusyDirectoryIsLeftAlone) {
  WriteCustomers(2, " 2\r\n 2\r\n");
  dir_.Write("1998.dat", "sale");
  const Files before = Snapshot(dir_);
  common::DefaultEnv other(dir_.path());
  const common::WorkLock held = common::WorkLock::Take(other);
  EXPECT_THROW(RunCategoryReset(kSalesReset, context_, host_), common::DirectoryBusy);
  EXPECT_EQ(Snapshot(dir_), before);
  EXPECT_TRUE(messages_.shown().empty());
}

}  // namespace
}  // namespace cleanslate
