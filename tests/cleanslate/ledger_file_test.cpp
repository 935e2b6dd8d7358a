#include "cleanslate/ledger_file.h"

#include <gtest/gtest.h>

#include <regex>

#include "common/platform/default_env.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::TempDir;

std::string Pad(const std::string& text, std::size_t width) {
  return text + std::string(width - text.size(), ' ');
}

// A record of the chart as the table gives it: name, number, "0", Amount2,
// empty Extra1.
std::string Account(const std::string& name, const std::string& number,
                    const std::string& amount2 = "0") {
  return Pad(name, 50) + number + Pad("0", 12) + Pad(amount2, 12) + std::string(20, ' ');
}

std::string Record(const std::string& bytes, int n) { return bytes.substr(100 * (n - 1), 100); }

class LedgerFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
};

TEST_F(LedgerFileTest, SpotCheckedAccountsHoldTheirExactBytes) {
  WriteLedgerChart(env_);
  const std::string bytes = dir_.Read("ap.dat");
  ASSERT_EQ(bytes.size(), 7800u);
  EXPECT_EQ(Record(bytes, 1), "Cash On Hand" + std::string(38, ' ') + "100.00" + "0" +
                                  std::string(11, ' ') + "0" + std::string(11, ' ') +
                                  std::string(20, ' '));
  const struct {
    int n;
    std::string expected;
  } records[] = {
      {12, Account("Accumulated Depreciation-Equipment", "110.01")},
      {21, Account("Accumulated Depreciation-Building Improvements", "115.01")},
      {25, Account("Accounts Payuable-Other", "201.00")},
      {26, Account("Accounts Payable-Officers", "202.00")},
      {27, Account("Notes Payable", "203.00", "")},
      {31, Account("Accrued Federal W/H Taxes Payable", "213.00", "10000")},
      {37, Account("Accrude Interest Payable", "220.00")},
      {38, Account("Accrude Income Taxes Payable", "224.00")},
      {61, Account("Printing & Stationary", "615.00")},
      {77, Account("Gain or Loss on sale of Assets", "710.00")},
      {78, Account("Interest Income", "720.00")},
  };
  for (const auto& record : records) {
    EXPECT_EQ(Record(bytes, record.n), record.expected) << "record " << record.n;
  }
  EXPECT_EQ(dir_.Read("ap.ptn"), "\x20\x37\x38\r\n");
}

TEST_F(LedgerFileTest, NumbersAscendAndNoFieldIsLeftUnassigned) {
  WriteLedgerChart(env_);
  const std::string bytes = dir_.Read("ap.dat");
  ASSERT_EQ(bytes.size(), 7800u);
  EXPECT_EQ(bytes.find('\0'), std::string::npos);
  const std::regex number_form("[0-9]{3}\\.[0-9]{2}");
  std::string previous;
  for (int n = 1; n <= 78; ++n) {
    const std::string number = Record(bytes, n).substr(50, 6);
    EXPECT_TRUE(std::regex_match(number, number_form)) << "record " << n << ": " << number;
    // Same width and form, so text order is number order.
    EXPECT_GT(number, previous) << "record " << n;
    previous = number;
  }
}

}  // namespace
}  // namespace cleanslate
