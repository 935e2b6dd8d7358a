#include "cleanslate/full_reset.h"

namespace cleanslate {

void FullReset(const ActionContext& /*context*/, common::WindowHost& host) {
  host.SetBusyPointer(true);
}

}  // namespace cleanslate
