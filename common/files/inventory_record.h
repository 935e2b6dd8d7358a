// InventoryRecord: one record of "invent.dat", an item of the store's stock.
// Cleanslate writes the sample items; Tag reads the printable fields to show
// a department's tags filled with real items.

#ifndef COMMON_FILES_INVENTORY_RECORD_H_
#define COMMON_FILES_INVENTORY_RECORD_H_

#include "common/files/text_record.h"

namespace common {

inline constexpr char kInventoryFile[] = "invent.dat";

class InventoryRecord : public FixedRecord<248> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr TextField VendorNumber{0, 3};  // the supplier, "998"; 999 marks removal
  static constexpr TextField ItemNumber{3, 5};    // "00001"
  static constexpr TextField Description{8, 80};
  static constexpr TextField CaratWeight{88, 5};
  static constexpr TextField StoneQuality{93, 9};
  static constexpr TextField Extra1{102, 1};
  static constexpr TextField TotalWeight{103, 5};
  static constexpr TextField ReorderNumber{108, 15};
  static constexpr TextField Grams{123, 6};
  static constexpr TextField Karat{129, 2};
  static constexpr TextField Flag{131, 1};
  static constexpr TextField ItemDate{132, 8};
  static constexpr TextField RandomNumber{140, 15};
  static constexpr TextField Extra5{155, 8};
  static constexpr TextField Extra6{163, 13};
  static constexpr TextField Extra7{176, 1};
  static constexpr TextField Extra8{177, 6};
  static constexpr TextField Extra9{183, 5};
  static constexpr TextField Extra10{188, 7};
  static constexpr TextField Extra11{195, 1};
  static constexpr TextField Department{196, 3};  // first three letters of its name
  static constexpr TextField Cost{199, 12};
  static constexpr TextField Retail{211, 12};
  static constexpr TextField Extra12{223, 12};
  static constexpr TextField Extra13{235, 13};
  static_assert(FieldsFillRecord(kLength, {VendorNumber, ItemNumber, Description, CaratWeight,
                                           StoneQuality, Extra1,     TotalWeight, ReorderNumber,
                                           Grams,        Karat,      Flag,        ItemDate,
                                           RandomNumber, Extra5,     Extra6,      Extra7,
                                           Extra8,       Extra9,     Extra10,     Extra11,
                                           Department,   Cost,       Retail,      Extra12,
                                           Extra13}));
};

}  // namespace common

#endif  // COMMON_FILES_INVENTORY_RECORD_H_
