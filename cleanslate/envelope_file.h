// The repair envelope files: "repair.dat" (one RepairRecord per repair job)
// and its count file "repair.ptn"; beside them the envelope notes
// "enote.dat" and "enote.pt", whose format is the store product's and which
// this program only deletes. Nothing here shows a message.

#ifndef CLEANSLATE_ENVELOPE_FILE_H_
#define CLEANSLATE_ENVELOPE_FILE_H_

#include "common/files/text_record.h"
#include "common/platform/env.h"

namespace cleanslate {

inline constexpr char kRepairFile[] = "repair.dat";
inline constexpr char kRepairCountFile[] = "repair.ptn";
inline constexpr char kEnvelopeNoteFile[] = "enote.dat";
inline constexpr char kEnvelopeNoteCountFile[] = "enote.pt";

class RepairRecord : public common::FixedRecord<189> {
 public:
  using FixedRecord::FixedRecord;

  static constexpr common::TextField CustomerName{0, 17};
  static constexpr common::TextField Extra1{17, 3};
  static constexpr common::TextField Extra2{20, 5};
  static constexpr common::TextField Item{25, 25};
  static constexpr common::TextField Work{50, 24};
  static constexpr common::TextField Extra3{74, 1};
  static constexpr common::TextField Extra4{75, 2};
  static constexpr common::TextField DateA{77, 8};
  static constexpr common::TextField Extra5{85, 8};
  static constexpr common::TextField DateB{93, 8};
  static constexpr common::TextField Extra6{101, 8};
  static constexpr common::TextField Extra7{109, 6};
  static constexpr common::TextField Amount1{115, 8};
  static constexpr common::TextField Amount2{123, 8};
  static constexpr common::TextField Extra8{131, 6};
  static constexpr common::TextField Extra9{137, 6};
  static constexpr common::TextField Extra10{143, 6};
  static constexpr common::TextField Extra11{149, 10};
  static constexpr common::TextField Extra12{159, 30};
  static_assert(common::FieldsFillRecord(kLength,
                                         {CustomerName, Extra1, Extra2, Item, Work, Extra3, Extra4,
                                          DateA, Extra5, DateB, Extra6, Extra7, Amount1, Amount2,
                                          Extra8, Extra9, Extra10, Extra11, Extra12}));
};

// The sample envelope (a ring sizing for the sample customer) as record 1 of
// "repair.dat" (later records stay), and "repair.ptn" declaring one.
void WriteEnvelopeSeed(common::Env& env);

// Deletes "enote.dat", then "enote.pt", each only when present.
void DeleteEnvelopeNotes(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_ENVELOPE_FILE_H_
