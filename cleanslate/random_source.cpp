#include "cleanslate/random_source.h"

namespace cleanslate {

double SystemRandomSource::NextFraction() {
  // generate_canonical may round up to 1.0 on some library versions.
  const double r = std::generate_canonical<double, 53>(engine_);
  return r < 1.0 ? r : 0.0;
}

}  // namespace cleanslate
