#include "cleanslate/department_file.h"

#include <gtest/gtest.h>

#include "common/platform/default_env.h"
#include "tests/support/temp_dir.h"

namespace cleanslate {
namespace {

using testing_support::TempDir;

std::string Record(const std::string& bytes, int n) { return bytes.substr(41 * (n - 1), 41); }

class DepartmentFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  common::DefaultEnv env_{dir_.path()};
};

TEST_F(DepartmentFileTest, ThirtyRecordsWithNamedDepartmentsThenFreeSlots) {
  WriteDepartmentFile(env_);
  const std::string bytes = dir_.Read("dept.dat");
  ASSERT_EQ(bytes.size(), 1230u);
  const struct {
    int n;
    std::string expected;
  } records[] = {
      {1, std::string("000GENTS RINGS                 \0\0"
                      "1000.00 ",
                      41)},
      {8, std::string("000BLACK HILLS GOLD            \0\0"
                      "1000.00 ",
                      41)},
      {15, std::string("000ACCESSORIES WATCHES         \0\0"
                       "1000.00 ",
                       41)},
      {19, std::string("000SHIPPING                    \0\0"
                       "1000.00 ",
                       41)},
      {20, std::string("000[NOT ASSIGNED]              \0\0"
                       "0.00    ",
                       41)},
      {30, std::string("000[NOT ASSIGNED]              \0\0"
                       "0.00    ",
                       41)},
  };
  for (const auto& record : records) {
    EXPECT_EQ(Record(bytes, record.n), record.expected) << "record " << record.n;
  }
  for (int n = 1; n <= 30; ++n) {
    const std::string record = Record(bytes, n);
    EXPECT_EQ(record.substr(0, 3), "000") << "record " << n;
    EXPECT_EQ(record.substr(31, 2), std::string(2, '\0')) << "record " << n;
    EXPECT_EQ(record.substr(3, 3) == "[NO", n >= 20) << "record " << n;
  }
}

}  // namespace
}  // namespace cleanslate
