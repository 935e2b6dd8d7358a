// The customer walks over any "cust.pt" and "cust.dat": the count is a file
// error exactly when "cust.pt" holds no field (empty or blank); the sales
// walk blanks the 12 bytes of sale links of each counted whole record and
// nothing else; the balance walk sets "0.00" where the balance read is not
// zero and nothing else; the file never changes length.
//
// Input: cust.pt, a 0xFF, then cust.dat.

#include <algorithm>

#include "cleanslate/customer_file.h"
#include "common/files/number_text.h"
#include "common/platform/file_error.h"
#include "fuzz/fuzz_support.h"

namespace {

using R = cleanslate::CustomerRecord;

bool Blank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string CustomersAfter(testing_support::MemoryEnv& env,
                           void (*walk)(common::RecordFile&, std::int32_t), std::int32_t count) {
  common::RecordFile customers = cleanslate::OpenCustomerFile(env);
  walk(customers, count);
  customers.Close();
  return *env.Read(cleanslate::kCustomerFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> parts = fuzz::Split(fuzz::AsText(data, size), '\xFF', 2);
  const std::string count_file = parts[0];
  const std::string customers = parts.size() > 1 ? parts[1] : "";
  testing_support::MemoryEnv env;
  env.Write(cleanslate::kCustomerCountFile, count_file);
  env.Write(cleanslate::kCustomerFile, customers);

  std::int32_t count = 0;
  try {
    count = cleanslate::ReadCustomerCount(env);
    FUZZ_CHECK(!Blank(count_file));
  } catch (const common::FileError& error) {
    FUZZ_CHECK(Blank(count_file));
    FUZZ_CHECK(error.file() == cleanslate::kCustomerCountFile);
    return 0;
  }
  FUZZ_CHECK(count >= 0);
  const std::size_t length = R::kLength;
  const std::size_t walked =
      std::min<std::size_t>(static_cast<std::size_t>(count), customers.size() / length);

  std::string expected = customers;
  for (std::size_t n = 0; n < walked; ++n) {
    expected.replace(n * length + R::SaleLinkA.offset, 12, std::string(12, ' '));
  }
  FUZZ_CHECK(CustomersAfter(env, cleanslate::BlankSaleLinks, count) == expected);

  for (std::size_t n = 0; n < walked; ++n) {
    const std::size_t at = n * length + R::Balance.offset;
    if (common::LeadingNumber(expected.substr(at, R::Balance.width)) != 0) {
      expected.replace(at, R::Balance.width, "0.00    ");
    }
  }
  FUZZ_CHECK(CustomersAfter(env, cleanslate::ZeroBalances, count) == expected);
  return 0;
}
