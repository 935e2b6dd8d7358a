#include "cleanslate/customer_file.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/platform/default_env.h"
#include "common/platform/file_error.h"
#include "tests/support/fixed_sources.h"
#include "tests/support/record_bytes.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::FixedClock;
using testing_support::OldRecords;
using testing_support::Pad;
using testing_support::Spaces;
using testing_support::TempDir;
using testing_support::Zeros;

// One customer record, field by field in file order.
struct Customer {
  std::string last, first, street, city, state, zip, balance, amount2, phone, extra2, amount3,
      account;
};

// The bytes of a record as the customer resets write it: Extra1, the sale
// links, Extra5 and Extra6 never assigned; Extra3 and Extra4 blank.
std::string CustomerBytes(const Customer& c) {
  return Pad(c.last, 20) + Pad(c.first, 25) + Pad(c.street, 24) + Zeros(1) + Pad(c.city, 20) +
         Pad(c.state, 2) + Pad(c.zip, 10) + Zeros(4) + Zeros(8) + Pad(c.balance, 8) +
         Pad(c.amount2, 8) + Pad(c.phone, 12) + Pad(c.extra2, 6) + Pad(c.amount3, 8) +
         Pad(c.account, 5) + Spaces(8) + Spaces(4) + Zeros(2) + Zeros(5);
}

class CustomerFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
};

TEST_F(CustomerFileTest, SampleCustomerReplacesRecordOneOnly) {
  const std::string old = OldRecords(50, 180);
  dir_.Write("cust.dat", old);
  dir_.Write("cust.pt", " 50\r\n 50\r\n");
  dir_.Write("note.pt", " 7\r\n");

  WriteSampleCustomer(env_);

  const std::string bytes = dir_.Read("cust.dat");
  ASSERT_EQ(bytes.size(), 9000u);
  // The street keeps 24 of its 25 characters.
  EXPECT_EQ(bytes.substr(0, 180),
            CustomerBytes({"SAMPLER", "CHRIS", "10000 SAMPLE-AVE. WAY #A", "MIDTOWN", "WA", "54321",
                           "0.00", "50.00", "555-010-0001", "1", "1000", "2"}));
  EXPECT_EQ(bytes.substr(180), old.substr(180));
  EXPECT_EQ(dir_.Read("cust.pt"), " 1\r\n 1\r\n");
  EXPECT_EQ(dir_.Read("note.pt"), " 1\r\n");
  EXPECT_FALSE(dir_.Exists("note.dat"));
}

TEST_F(CustomerFileTest, SeedWritesTheSampleAndTheTwoSpecialAccounts) {
  WriteCustomerSeed(env_);

  const std::string expected =
      CustomerBytes({"SAMPLER", "CHRIS", "10000 SAMPLE-AVENUE-W WA", "MIDTOWN", "WA", "54321",
                     "500.00", "50.00", "555-010-0001", "1", "1000", " 1"}) +
      CustomerBytes(
          {"CASH", "SALE", "", "", "", "", ".00", "0.00", "999-999-9000", "", "0", " 2"}) +
      CustomerBytes({"ZZZZZZZZ", "", "", "", "", "", ".00", "0.00", "999-999-9999", "", "0", " 3"});
  const std::string bytes = dir_.Read("cust.dat");
  ASSERT_EQ(bytes.size(), 540u);
  for (int n = 0; n < 3; ++n) {
    EXPECT_EQ(bytes.substr(n * 180, 180), expected.substr(n * 180, 180)) << "record " << n + 1;
  }
  EXPECT_EQ(dir_.Read("cust.pt"), " 3\r\n 3\r\n");
  EXPECT_EQ(dir_.Read("note.pt"), " 1\r\n");
}

TEST_F(CustomerFileTest, TestAccountNoteInTwoHalves) {
  FixedClock clock("04-30-1998");
  WriteTestAccountNote(env_, clock);
  EXPECT_EQ(dir_.Read("note.dat"),
            Pad("1", 5) + Pad("THIS IS A TEST ACCOUNT", 80) + Pad("0", 6) + "04-30-98");
  EXPECT_FALSE(dir_.Exists("note.pt"));

  dir_.Write("note.pt", " 1\r\n");
  WriteTestAccountNoteCount(env_);
  EXPECT_EQ(dir_.Read("note.pt"), " 1" + Spaces(78) + "\r\n");
}

TEST_F(CustomerFileTest, CountIsTheFirstFieldOfCustPt) {
  struct Case {
    const char* name;
    std::string bytes;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"count written by the resets", " 3\r\n 3\r\n", 3},
      {"letters", "abc\r\n", 0},
      {"negative", "-5\r\n", 0},
      {"half rounds to even", "2.5\r\n", 2},
      {"other half rounds up", "3.5\r\n", 4},
      {"comma ends the field", "7,9\r\n", 7},
      {"quoted", "\"12\"\r\n", 12},
      {"beyond 32 bits", "99999999999\r\n", std::numeric_limits<std::int32_t>::max()},
  };
  for (const Case& c : cases) {
    dir_.Write("cust.pt", c.bytes);
    EXPECT_EQ(ReadCustomerCount(env_), c.expected) << c.name;
  }
}

// An empty or blank count file is no count at all: taking it for 0 let the
// sales reset delete every sales file and keep the links to them.
TEST_F(CustomerFileTest, MissingEmptyOrBlankCountFileIsAFileErrorNamingIt) {
  struct Case {
    const char* name;
    const char* bytes;  // null: no file
  };
  const Case cases[] = {
      {"missing", nullptr},
      {"empty", ""},
      {"only line ends", "\r\n\r\n"},
      {"spaces, tabs and line ends", "  \t\r\n \n\t"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    common::DefaultEnv env(dir.path());
    if (c.bytes != nullptr) dir.Write("cust.pt", c.bytes);
    try {
      ReadCustomerCount(env);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const common::FileError& error) {
      EXPECT_EQ(error.file(), "cust.pt") << c.name;
    }
  }
}

// Five customers whose sale links and balances are set, each record
// distinct so that any stray change shows.
std::string FiveCustomers() {
  std::string bytes = OldRecords(5, 180);
  const char* balances[] = {"  -12.50", "        ", "0.00    ", ".00     ", "ABC     "};
  for (int n = 0; n < 5; ++n) {
    bytes.replace(n * 180 + 102, 12, "LINKLINKLINK");
    bytes.replace(n * 180 + 114, 8, balances[n]);
  }
  return bytes;
}

TEST_F(CustomerFileTest, BlankingSaleLinksChangesTwelveBytesOfCountedRecords) {
  const std::string old = FiveCustomers();
  dir_.Write("cust.dat", old);
  common::RecordFile customers = OpenCustomerFile(env_);
  BlankSaleLinks(customers, 3);
  customers.Close();

  std::string expected = old;
  for (int n = 0; n < 3; ++n) expected.replace(n * 180 + 102, 12, Spaces(12));
  EXPECT_EQ(dir_.Read("cust.dat"), expected);
}

TEST_F(CustomerFileTest, ZeroingBalancesRewritesOnlyNonZeroOnes) {
  std::string old = FiveCustomers();
  old += old.substr(0, 180);  // a sixth customer owing 12.50, beyond the count
  dir_.Write("cust.dat", old);
  common::RecordFile customers = OpenCustomerFile(env_);
  ZeroBalances(customers, 5);
  customers.Close();

  std::string expected = old;
  expected.replace(114, 8, Pad("0.00", 8));  // only the negative balance was not zero
  EXPECT_EQ(dir_.Read("cust.dat"), expected);
}

TEST_F(CustomerFileTest, WalksStopAtTheLastWholeRecord) {
  // Two whole records and a partial third: a count of 9 must neither add
  // records nor touch the partial one.
  std::string old = FiveCustomers().substr(0, 2 * 180 + 70);
  dir_.Write("cust.dat", old);
  {
    common::RecordFile customers = OpenCustomerFile(env_);
    BlankSaleLinks(customers, 9);
    ZeroBalances(customers, 9);
    customers.Close();
  }
  std::string expected = old;
  expected.replace(102, 12, Spaces(12));
  expected.replace(114, 8, Pad("0.00", 8));
  expected.replace(180 + 102, 12, Spaces(12));
  EXPECT_EQ(dir_.Read("cust.dat"), expected);
}

}  // namespace
}  // namespace cleanslate
