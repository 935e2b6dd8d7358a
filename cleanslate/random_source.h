// RandomSource: pseudo-random fractions in [0, 1), the one random value the
// inventory seed records carry. Tests give a fixed sequence instead.

#ifndef CLEANSLATE_RANDOM_SOURCE_H_
#define CLEANSLATE_RANDOM_SOURCE_H_

#include <random>

namespace cleanslate {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // The next fraction r of the sequence, 0 <= r < 1.
  virtual double NextFraction() = 0;
};

// The generator of the programs. It is never seeded: every run draws the same
// sequence.
class SystemRandomSource : public RandomSource {
 public:
  double NextFraction() override;

 private:
  std::mt19937 engine_;
};

}  // namespace cleanslate

#endif  // CLEANSLATE_RANDOM_SOURCE_H_
