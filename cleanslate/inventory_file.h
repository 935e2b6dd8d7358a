// The inventory files: "invent.dat" (one InventoryRecord per item), its count
// file "invent.ptn" and the one-line switch "wideinv.dat": the writers of the
// sample items (the record layout is in common/, shared with Tag); nothing
// here shows a message.

#ifndef CLEANSLATE_INVENTORY_FILE_H_
#define CLEANSLATE_INVENTORY_FILE_H_

#include <string>

#include "cleanslate/random_source.h"
#include "common/files/inventory_record.h"
#include "common/platform/env.h"

namespace cleanslate {

using common::kInventoryFile;
inline constexpr char kInventoryCountFile[] = "invent.ptn";
inline constexpr char kWideInventoryFile[] = "wideinv.dat";

using common::InventoryRecord;

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
