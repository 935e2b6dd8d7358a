// The orders files: "order.dat" (OrderRecord), its count file "order.pt" and
// the last order number "lastord.dat". This program only ever starts them
// over empty. Nothing here shows a message.

#ifndef CLEANSLATE_ORDER_FILE_H_
#define CLEANSLATE_ORDER_FILE_H_

#include "common/files/text_record.h"
#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kOrderFile[] = "order.dat";
inline constexpr char kOrderCountFile[] = "order.pt";
inline constexpr char kLastOrderFile[] = "lastord.dat";

// Every field belongs to the store product; this program never assigns one.
class OrderRecord : public common::FixedRecord<135> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField Extra1{0, 3};
  static constexpr common::TextField Extra2{3, 5};
  static constexpr common::TextField Extra3{8, 8};
  static constexpr common::TextField Extra4{16, 8};
  static constexpr common::TextField Extra5{24, 8};
  static constexpr common::TextField Extra6{32, 8};
  static constexpr common::TextField Extra7{40, 25};
  static constexpr common::TextField Extra8{65, 40};
  static constexpr common::TextField Extra9{105, 14};
  static constexpr common::TextField Extra10{119, 5};
  static constexpr common::TextField Extra11{124, 8};
  static constexpr common::TextField Extra12{132, 3};
  static_assert(common::FieldsFillRecord(kLength,
                                         {Extra1, Extra2, Extra3, Extra4, Extra5, Extra6, Extra7,
                                          Extra8, Extra9, Extra10, Extra11, Extra12}));
};

// Starts the orders over: "lastord.dat" with the number 0, "order.pt" with
// the text "0", and record 1 of "order.dat" written from an OrderRecord that
// nothing assigned (135 bytes 0x00; later records stay).
void WriteEmptyOrderFiles(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_ORDER_FILE_H_
