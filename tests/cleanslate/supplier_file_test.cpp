#include "cleanslate/supplier_file.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "tests/support/record_bytes.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::OldRecords;
using testing_support::Pad;
using testing_support::TempDir;
using testing_support::Zeros;

struct Supplier {
  std::string name, street, city, state, zip, phone, phone2, extra1, amount1, terms, vendor;
};

// Fields 10, 12 and 14 to 18 are never assigned.
std::string SupplierBytes(const Supplier& s) {
  return Pad(s.name, 25) + Pad(s.street, 40) + Pad(s.city, 20) + Pad(s.state, 2) + Pad(s.zip, 10) +
         Pad(s.phone, 12) + Pad(s.phone2, 12) + Pad(s.extra1, 6) + Pad(s.amount1, 8) + Zeros(8) +
         Pad(s.terms, 14) + Zeros(6) + s.vendor + Zeros(15) + Zeros(25) + Zeros(12) + Zeros(1) +
         Zeros(24);
}

const Supplier kTemporary{"TEMPORARY", "", "", "", "", "", "", "0", "", "", "998"};
const Supplier kZeroOut{"ZERO OUT", "Remove From File", "on Next Sort", "", "", "", "", "0", "", "",
                        "999"};

class SupplierFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
};

TEST_F(SupplierFileTest, WorkingSuppliersReplaceRecordsOneAndTwo) {
  const std::string old = OldRecords(7, 243);
  dir_.Write("supplier.dat", old);

  WriteWorkingSuppliers(env_);

  const std::string bytes = dir_.Read("supplier.dat");
  ASSERT_EQ(bytes.size(), 1701u);
  EXPECT_EQ(bytes.substr(0, 243), SupplierBytes(kTemporary));
  EXPECT_EQ(bytes.substr(243, 243), SupplierBytes(kZeroOut));
  EXPECT_EQ(bytes.substr(486), old.substr(486));
  EXPECT_EQ(dir_.Read("supp.ptn"), " 2\r\n 2\r\n");
}

TEST_F(SupplierFileTest, SeedWritesFiveSuppliers) {
  WriteSupplierSeed(env_);

  const std::string expected[] = {
      SupplierBytes({"ABC JEWELRY CO.", "123 ANY ST.", "ANYTOWN", "CA", "94211", "800-999-9999",
                     "206-888-8888", "0", "0.00", "2% 30 DAYS", "100"}),
      SupplierBytes({"BCD JEWELRY CO.", "123 ANY ST.", "ANYTOWN", "CA", "94211", "800-999-9999",
                     "206-888-8888", "0", "0.00", "NET 30", "200"}),
      SupplierBytes({"THE BRILLORA CO.", "99999 SAMPLE AVE N #100", "MIDTOWN", "WA", "54322",
                     "555-010-0002", "555-010-0002", "1111", "0.00", "NET NEVER", "300"}),
      SupplierBytes(kTemporary),
      SupplierBytes(kZeroOut),
  };
  const std::string bytes = dir_.Read("supplier.dat");
  ASSERT_EQ(bytes.size(), 5u * 243);
  for (int n = 0; n < 5; ++n) {
    EXPECT_EQ(bytes.substr(n * 243, 243), expected[n]) << "record " << n + 1;
  }
  EXPECT_EQ(dir_.Read("supp.ptn"), "\x20\x35\r\n\x20\x35\r\n");
}

}  // namespace
}  // namespace cleanslate
