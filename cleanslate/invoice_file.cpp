#include "cleanslate/invoice_file.h"

#include <cstdint>

#include "common/files/line_file.h"
#include "common/files/number_text.h"
#include "common/files/record_file.h"

namespace cleanslate {

namespace {

// The file starts with one empty invoice.
constexpr std::int32_t kInvoiceCount = 1;

}  // namespace

void WriteInvoiceFiles(common::Env& env) {
  common::RecordFile file(env, kInvoiceFile, InvoiceRecord::kLength);
  const InvoiceRecord empty;
  for (std::int32_t n = 1; n <= kInvoiceCount; ++n) file.write(n, empty);
  file.Close();

  common::LineFileWriter count_file(env, kInvoiceCountFile);
  common::WriteTextLine(count_file, common::NumberText(kInvoiceCount));
  count_file.Close();
}

}  // namespace cleanslate
