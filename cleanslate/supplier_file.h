// The supplier files: "supplier.dat" (one SupplierRecord per vendor) and its
// count file "supp.ptn". Vendor 998 "TEMPORARY" owns the sample inventory
// item; vendor 999 "ZERO OUT" marks items for removal at the store product's
// next sort. Nothing here shows a message.

#ifndef CLEANSLATE_SUPPLIER_FILE_H_
#define CLEANSLATE_SUPPLIER_FILE_H_

#include "common/files/text_record.h"
#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kSupplierFile[] = "supplier.dat";
inline constexpr char kSupplierCountFile[] = "supp.ptn";

class SupplierRecord : public common::FixedRecord<243> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField Name{0, 25};
  static constexpr common::TextField Street{25, 40};
  static constexpr common::TextField City{65, 20};
  static constexpr common::TextField State{85, 2};
  static constexpr common::TextField Zip{87, 10};
  static constexpr common::TextField Phone{97, 12};
  static constexpr common::TextField Phone2{109, 12};
  static constexpr common::TextField Extra1{121, 6};
  static constexpr common::TextField Amount1{127, 8};
  static constexpr common::TextField Extra2{135, 8};
  static constexpr common::TextField Terms{143, 14};
  static constexpr common::TextField Extra3{157, 6};
  static constexpr common::TextField VendorNumber{163, 3};
  static constexpr common::TextField Extra4{166, 15};
  static constexpr common::TextField Extra5{181, 25};
  static constexpr common::TextField Extra6{206, 12};
  static constexpr common::TextField Extra7{218, 1};
  static constexpr common::TextField Extra8{219, 24};
  static_assert(common::FieldsFillRecord(kLength,
                                         {Name, Street, City, State, Zip, Phone, Phone2, Extra1,
                                          Amount1, Extra2, Terms, Extra3, VendorNumber, Extra4,
                                          Extra5, Extra6, Extra7, Extra8}));
};

// The two working suppliers 998 and 999 as records 1 and 2 of
// "supplier.dat" (later records stay), and "supp.ptn" declaring two.
void WriteWorkingSuppliers(common::Env& env);

// The suppliers of a fresh data set: 100, 200, 300, 998 and 999 as records
// 1 to 5, and "supp.ptn" declaring five. Expects "supplier.dat" to have been
// deleted before.
void WriteSupplierSeed(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_SUPPLIER_FILE_H_
