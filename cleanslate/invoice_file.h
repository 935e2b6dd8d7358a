// The invoice file "invoice.dat", records of InvoiceRecord, and its count
// file "invoice.ptn". The meaning of the fields belongs to the store product.

#ifndef CLEANSLATE_INVOICE_FILE_H_
#define CLEANSLATE_INVOICE_FILE_H_

#include "common/files/text_record.h"
#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kInvoiceFile[] = "invoice.dat";
inline constexpr char kInvoiceCountFile[] = "invoice.ptn";

class InvoiceRecord : public common::FixedRecord<148> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField Extra1{0, 25};
  static constexpr common::TextField Extra2{25, 8};
  static constexpr common::TextField Extra3{33, 8};
  static constexpr common::TextField Extra4{41, 8};
  static constexpr common::TextField Extra5{49, 8};
  static constexpr common::TextField Extra6{57, 3};
  static constexpr common::TextField Extra7{60, 8};
  static constexpr common::TextField Extra8{68, 8};
  static constexpr common::TextField Extra9{76, 6};
  static constexpr common::TextField Extra10{82, 25};
  static constexpr common::TextField Extra11{107, 3};
  static constexpr common::TextField Extra12{110, 8};
  static constexpr common::TextField Extra13{118, 3};
  static constexpr common::TextField Extra14{121, 1};
  static constexpr common::TextField Extra15{122, 26};
  static_assert(common::FieldsFillRecord(kLength, {Extra1, Extra2, Extra3, Extra4, Extra5, Extra6,
                                                   Extra7, Extra8, Extra9, Extra10, Extra11,
                                                   Extra12, Extra13, Extra14, Extra15}));
};

// Writes record 1 of "invoice.dat" from a record nothing has assigned (148
// bytes 0x00), then replaces "invoice.ptn" with the count line " 1". Records
// past 1 of an older, longer file stay as they were (the full reset deletes
// the file first). Throws FileError; "invoice.ptn" is not touched when
// "invoice.dat" fails.
void WriteInvoiceFiles(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_INVOICE_FILE_H_
