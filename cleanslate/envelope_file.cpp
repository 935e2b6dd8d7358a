#include "cleanslate/envelope_file.h"

#include "common/files/file_names.h"
#include "common/files/line_file.h"
#include "common/files/number_text.h"
#include "common/files/record_file.h"

namespace cleanslate {

void WriteEnvelopeSeed(common::Env& env) {
  using R = RepairRecord;
  RepairRecord record;
  record.Set(R::CustomerName, "SAMPLER");
  record.Set(R::Extra2, "1");
  record.Set(R::Item, "MAN'S RING");
  record.Set(R::Work, "SIZE 10 1/2");
  record.Set(R::Extra4, "A");
  record.Set(R::DateA, "1-1-94");
  record.Set(R::Extra5, "");
  record.Set(R::DateB, "2-1-94");
  record.Set(R::Extra6, "");
  record.Set(R::Extra7, "FINISH");
  record.Set(R::Amount1, "33.00");
  record.Set(R::Amount2, "33.00");
  record.Set(R::Extra8, "");
  record.Set(R::Extra9, "1111");
  record.Set(R::Extra10, "");

  common::RecordFile envelopes(env, kRepairFile, R::kLength);
  envelopes.write(1, record);
  envelopes.Close();

  common::LineFileWriter counts(env, kRepairCountFile);
  common::WriteTextLine(counts, common::NumberText(1));
  counts.Close();
}

void DeleteEnvelopeNotes(common::Env& env) {
  common::DeleteIfPresent(env, kEnvelopeNoteFile);
  common::DeleteIfPresent(env, kEnvelopeNoteCountFile);
}

}  // namespace cleanslate
