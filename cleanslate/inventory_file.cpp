#include "cleanslate/inventory_file.h"

#include <cmath>
#include <cstdint>

#include "common/files/line_file.h"
#include "common/files/number_text.h"
#include "common/files/record_file.h"

namespace cleanslate {

namespace {

using R = InventoryRecord;

// The fields both sample items share, from Description to Retail; the
// random number is drawn after ItemDate is set.
struct ItemValues {
  const char* description;
  const char* carat_weight;
  const char* total_weight;
  const char* grams;
  const char* item_date;
  const char* cost;
  const char* retail;
};

void FillItem(InventoryRecord& record, const ItemValues& values, RandomSource& random) {
  record.Set(R::Description, values.description);
  record.Set(R::CaratWeight, values.carat_weight);
  record.Set(R::StoneQuality, "VS1-J");
  record.Set(R::TotalWeight, values.total_weight);
  record.Set(R::ReorderNumber, "123456789");
  record.Set(R::Grams, values.grams);
  record.Set(R::Karat, "14");
  record.Set(R::Flag, "Y");
  record.Set(R::ItemDate, values.item_date);
  record.Set(R::RandomNumber, RandomNumberText(random.NextFraction()));
  record.Set(R::Extra5, "");
  record.Set(R::Extra6, "");
  record.Set(R::Extra10, "");
  record.Set(R::Department, "WED");
  record.Set(R::Cost, values.cost);
  record.Set(R::Retail, values.retail);
}

void WriteCountFile(common::Env& env, std::int32_t count) {
  common::LineFileWriter file(env, kInventoryCountFile);
  common::WriteTextLine(file, common::NumberText(count));
  common::WriteTextLine(file, common::NumberText(count));
  common::WriteTextLine(file, "0");
  file.Close();
}

}  // namespace

std::string RandomNumberText(double r) {
  constexpr double kScale = 99999999.0;
  double value = std::floor(r * kScale);
  // A source outside [0, 1) must not give a text that does not fit.
  if (!(value >= 0)) value = 0;
  if (value > kScale - 1) value = kScale - 1;
  return common::NumberText(static_cast<std::int64_t>(value));
}

void WriteSampleItem(common::Env& env, RandomSource& random) {
  InventoryRecord record;
  record.Set(R::VendorNumber, "998");
  record.Set(R::ItemNumber, "00001");
  FillItem(record, {"Lady's Diamond Ring ", ".33", ".06", "1.9", "1-1-93", ".50", "1.00"}, random);
  common::RecordFile items(env, kInventoryFile, R::kLength);
  items.write(1, record);
  items.Close();
  // The count lines say 0 although record 1 holds the sample item.
  WriteCountFile(env, 0);
}

void WriteInventorySeed(common::Env& env, RandomSource& random) {
  std::int32_t count = 0;
  common::RecordFile items(env, kInventoryFile, R::kLength);
  InventoryRecord record;
  FillItem(
      record,
      {"WIDE WEDDING BAND WITH 3 DIAS TW/.10 CT", "", ".10", "3.9", "1-1-95", "150.00", "475.00"},
      random);
  ++count;
  record.Set(R::VendorNumber, "300");
  record.Set(R::ItemNumber, "01111");
  items.write(count, record);
  items.Close();
  WriteCountFile(env, count);

  common::LineFileWriter wide(env, kWideInventoryFile);
  common::WriteTextLine(wide, "YES");
  wide.Close();
}

}  // namespace cleanslate
