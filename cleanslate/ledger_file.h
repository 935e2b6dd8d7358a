// The chart of accounts "ap.dat": one LedgerAccountRecord per ledger
// account, the record number being the account's place in the chart. Its
// record count is kept in the count file "ap.ptn".

#ifndef CLEANSLATE_LEDGER_FILE_H_
#define CLEANSLATE_LEDGER_FILE_H_

#include "common/files/text_record.h"
#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kLedgerFile[] = "ap.dat";
inline constexpr char kLedgerCountFile[] = "ap.ptn";

class LedgerAccountRecord : public common::FixedRecord<100> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField Name{0, 50};          // mixed case
  static constexpr common::TextField LedgerNumber{50, 6};  // "100.00"; ".01" for a contra account
  static constexpr common::TextField Amount1{56, 12};      // numeric text
  static constexpr common::TextField Amount2{68, 12};      // numeric text
  static constexpr common::TextField Extra1{80, 20};
  static_assert(common::FieldsFillRecord(kLength, {Name, LedgerNumber, Amount1, Amount2, Extra1}));
};

// Writes the 78 accounts of the seed chart as records 1 to 78 of "ap.dat",
// every field assigned, then replaces "ap.ptn" with the line " 78". Records
// past 78 of an older, longer file stay as they were (the full reset deletes
// the file first). Throws FileError; "ap.ptn" is not touched when "ap.dat"
// fails.
void WriteLedgerChart(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_LEDGER_FILE_H_
