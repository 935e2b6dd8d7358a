#include "cleanslate/supplier_file.h"

#include <cstdint>
#include <initializer_list>

#include "common/files/line_file.h"
#include "common/files/number_text.h"
#include "common/files/record_file.h"

namespace cleanslate {

namespace {

using R = SupplierRecord;

// The fields a supplier seed assigns; the others stay 0x00.
struct Supplier {
  const char* name;
  const char* street;
  const char* city;
  const char* state;
  const char* zip;
  const char* phone;
  const char* phone2;
  const char* extra1;
  const char* amount1;
  const char* terms;
  const char* vendor_number;
};

constexpr Supplier kAbc{
    "ABC JEWELRY CO.", "123 ANY ST.", "ANYTOWN", "CA",         "94211", "800-999-9999",
    "206-888-8888",    "0",           "0.00",    "2% 30 DAYS", "100"};
constexpr Supplier kBcd{
    "BCD JEWELRY CO.", "123 ANY ST.", "ANYTOWN", "CA",     "94211", "800-999-9999",
    "206-888-8888",    "0",           "0.00",    "NET 30", "200"};
constexpr Supplier kBrillora{"THE BRILLORA CO.",
                             "99999 SAMPLE AVE N #100",
                             "MIDTOWN",
                             "WA",
                             "54322",
                             "555-010-0002",
                             "555-010-0002",
                             "1111",
                             "0.00",
                             "NET NEVER",
                             "300"};
constexpr Supplier kTemporary{"TEMPORARY", "", "", "", "", "", "", "0", "", "", "998"};
constexpr Supplier kZeroOut{
    "ZERO OUT", "Remove From File", "on Next Sort", "", "", "", "", "0", "", "", "999"};

void WriteSuppliers(common::Env& env, std::initializer_list<Supplier> suppliers) {
  common::RecordFile file(env, kSupplierFile, R::kLength);
  SupplierRecord record;
  std::int32_t count = 0;
  for (const Supplier& s : suppliers) {
    record.Set(R::Name, s.name);
    record.Set(R::Street, s.street);
    record.Set(R::City, s.city);
    record.Set(R::State, s.state);
    record.Set(R::Zip, s.zip);
    record.Set(R::Phone, s.phone);
    record.Set(R::Phone2, s.phone2);
    record.Set(R::Extra1, s.extra1);
    record.Set(R::Amount1, s.amount1);
    record.Set(R::Terms, s.terms);
    record.Set(R::VendorNumber, s.vendor_number);
    ++count;
    file.write(count, record);
  }
  file.Close();

  common::LineFileWriter counts(env, kSupplierCountFile);
  common::WriteTextLine(counts, common::NumberText(count));
  common::WriteTextLine(counts, common::NumberText(count));
  counts.Close();
}

}  // namespace

void WriteWorkingSuppliers(common::Env& env) { WriteSuppliers(env, {kTemporary, kZeroOut}); }

void WriteSupplierSeed(common::Env& env) {
  WriteSuppliers(env, {kAbc, kBcd, kBrillora, kTemporary, kZeroOut});
}

}  // namespace cleanslate
