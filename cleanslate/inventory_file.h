// The inventory files: "invent.dat" (one InventoryRecord per item), its count
// file "invent.ptn" and the one-line switch "wideinv.dat". The record layout
// and the writers of the sample items live here; nothing here shows a message.

#ifndef CLEANSLATE_INVENTORY_FILE_H_
#define CLEANSLATE_INVENTORY_FILE_H_

#include <string>

#include "cleanslate/random_source.h"
#include "common/env.h"
#include "common/text_record.h"

namespace cleanslate {

inline constexpr char kInventoryFile[] = "invent.dat";
inline constexpr char kInventoryCountFile[] = "invent.ptn";
inline constexpr char kWideInventoryFile[] = "wideinv.dat";

class InventoryRecord : public common::FixedRecord<248> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField VendorNumber{0, 3};   // the supplier, "998"
  static constexpr common::TextField ItemNumber{3, 5};     // "00001"
  static constexpr common::TextField Description{8, 80};
  static constexpr common::TextField CaratWeight{88, 5};
  static constexpr common::TextField StoneQuality{93, 9};
  static constexpr common::TextField Extra1{102, 1};
  static constexpr common::TextField TotalWeight{103, 5};
  static constexpr common::TextField ReorderNumber{108, 15};
  static constexpr common::TextField Grams{123, 6};
  static constexpr common::TextField Karat{129, 2};
  static constexpr common::TextField Flag{131, 1};
  static constexpr common::TextField ItemDate{132, 8};
  static constexpr common::TextField RandomNumber{140, 15};
  static constexpr common::TextField Extra5{155, 8};
  static constexpr common::TextField Extra6{163, 13};
  static constexpr common::TextField Extra7{176, 1};
  static constexpr common::TextField Extra8{177, 6};
  static constexpr common::TextField Extra9{183, 5};
  static constexpr common::TextField Extra10{188, 7};
  static constexpr common::TextField Extra11{195, 1};
  static constexpr common::TextField Department{196, 3};   // first three letters of its name
  static constexpr common::TextField Cost{199, 12};
  static constexpr common::TextField Retail{211, 12};
  static constexpr common::TextField Extra12{223, 12};
  static constexpr common::TextField Extra13{235, 13};
  static_assert(common::FieldsFillRecord(
      kLength, {VendorNumber, ItemNumber, Description, CaratWeight, StoneQuality, Extra1,
                TotalWeight, ReorderNumber, Grams, Karat, Flag, ItemDate, RandomNumber, Extra5,
                Extra6, Extra7, Extra8, Extra9, Extra10, Extra11, Department, Cost, Retail,
                Extra12, Extra13}));
};

// The text of the item's random number for a draw r in [0, 1): NumberText of
// the integer part of r * 99999999 (" 49999999" for 0.5).
std::string RandomNumberText(double r);

// The sample item 998-00001 of the inventory reset as record 1 of
// "invent.dat" (later records stay), and "invent.ptn" with the counts 0, 0
// and "0". Draws one random number. "wideinv.dat" is not touched.
void WriteSampleItem(common::Env& env, RandomSource& random);

// The inventory of a fresh data set: the item 300-01111 as record 1 of
// "invent.dat", "invent.ptn" with the counts 1, 1 and "0", and
// "wideinv.dat" with "YES". Draws one random number. Expects "invent.dat"
// to have been deleted before.
void WriteInventorySeed(common::Env& env, RandomSource& random);

}  // namespace cleanslate

#endif  // CLEANSLATE_INVENTORY_FILE_H_
