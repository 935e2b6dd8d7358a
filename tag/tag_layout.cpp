#include "tag/tag_layout.h"

#include <limits>

#include "common/files/line_file.h"
#include "common/files/number_text.h"
#include "tag/next_field.h"

namespace tag {

namespace {

std::int16_t WholeNumber(const std::string& field) {
  return common::RoundToInt16(common::LeadingNumber(field));
}

// `value` raised to `floor` plus `step` when it is below `floor`.
std::int16_t Repaired(std::int16_t value, std::int16_t floor, int step) {
  if (value >= floor) return value;
  return common::SaturateToInt16(static_cast<std::int64_t>(floor) + step);
}

}  // namespace

float ToFontSize(double value) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  if (value > kLargest) return std::numeric_limits<float>::max();
  if (value < -kLargest) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}

void ReadLayout(common::Env& env, TagLayout& layout) {
  common::LineFileReader file(env, layout.tagfile);
  auto& tabpos = layout.tabpos;

  for (int i = kFirstPositionLine; i <= kShortFormPositions; ++i) {
    const auto field = NextField(file);
    if (!field) return;
    tabpos[i] = WholeNumber(*field);
    if (i >= 2) tabpos[i] = Repaired(tabpos[i], tabpos[i - 1], 5);
  }

  // Line 7 is the font size of the short forms and position G of the long one.
  const auto t7 = NextField(file);
  if (!t7) return;
  layout.fontsize = ToFontSize(common::LeadingNumber(*t7));

  // Line 8 is the number across of the eight-line form and H of the long one.
  const std::int16_t numacross_before = layout.numacross;
  const auto t8 = NextField(file);
  if (!t8) {
    layout.numacross = 3;
    return;
  }
  layout.numacross = WholeNumber(*t8);

  const auto t9 = NextField(file);
  if (!t9) return;
  layout.fontsize = ToFontSize(common::LeadingNumber(*t9));
  const auto t10 = NextField(file);
  layout.numacross = t10 ? WholeNumber(*t10) : numacross_before;
  tabpos[kLastPositionLine - 1] = Repaired(WholeNumber(*t7), tabpos[kShortFormPositions], 20);
  tabpos[kLastPositionLine] = Repaired(WholeNumber(*t8), tabpos[kLastPositionLine - 1], 5);
}

void WriteLayout(common::Env& env, const TagLayout& layout) {
  common::LineFileWriter file(env, layout.tagfile);
  for (int i = kFirstPositionLine; i <= kLastPositionLine; ++i) {
    common::WriteNumberLine(file, layout.tabpos[i]);
  }
  common::WriteNumberLine(file, layout.fontsize);
  common::WriteNumberLine(file, layout.numacross);
  file.Close();
}

TagLayout DefaultLayout(const std::string& tagfile) {
  TagLayout layout;
  for (int line = kFirstPositionLine; line <= kLastPositionLine; ++line) {
    layout.tabpos[line] = kDefaultPositions[line - kFirstPositionLine];
  }
  layout.fontsize = kDefaultFontSize;
  layout.numacross = kDefaultNumberAcross;
  layout.tagfile = tagfile;
  return layout;
}

void WriteDefaultLayout(common::Env& env, const std::string& name) {
  common::LineFileWriter file(env, name);
  for (const std::int16_t position : kDefaultPositions) common::WriteNumberLine(file, position);
  common::WriteNumberLine(file, kDefaultFontSize);
  common::WriteNumberLine(file, kDefaultNumberAcross);
  file.Close();
}

}  // namespace tag
