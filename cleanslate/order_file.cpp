#include "cleanslate/order_file.h"

#include "common/files/line_file.h"
#include "common/files/record_file.h"

namespace cleanslate {

void WriteEmptyOrderFiles(common::Env& env) {
  common::LineFileWriter last_order(env, kLastOrderFile);
  common::WriteNumberLine(last_order, 0);
  last_order.Close();

  common::LineFileWriter counts(env, kOrderCountFile);
  common::WriteTextLine(counts, "0");
  counts.Close();

  common::RecordFile orders(env, kOrderFile, OrderRecord::kLength);
  orders.write(1, OrderRecord());
  orders.Close();
}

}  // namespace cleanslate
