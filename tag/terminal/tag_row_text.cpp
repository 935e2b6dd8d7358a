#include "tag/terminal/tag_row_text.h"

#include <algorithm>

namespace tag {

std::vector<std::string> TagRowText(const TagRowPreview& preview) {
  std::size_t width = 0;
  for (const std::string& line : preview.lines) width = std::max(width, line.size());
  for (const PlacedPart& part : preview.parts) {
    width = std::max(width, static_cast<std::size_t>(part.column));
  }
  width = (width + 9) / 10 * 10;
  std::string tens = "Column  ", units = "        ";
  for (std::size_t column = 1; column <= width; ++column) {
    tens += column % 10 == 0 ? static_cast<char>('0' + column / 10 % 10) : ' ';
    units += static_cast<char>('0' + column % 10);
  }
  // The letter of each position above the column its parts start at.
  std::string tabs = "Tabs    ";
  for (const PlacedPart& part : preview.parts) {
    if (part.line != 1) continue;
    const std::size_t at = 8 + static_cast<std::size_t>(part.column - 1);
    if (tabs.size() <= at) tabs.resize(at + 1, ' ');
    tabs[at] = part.position;
  }
  std::vector<std::string> text{tens, units, tabs};
  for (std::size_t i = 0; i < preview.lines.size(); ++i) {
    text.push_back("Line " + std::to_string(i + 1) + "  " + preview.lines[i]);
  }
  for (const std::string& finding : DescribeFindings(preview)) text.push_back("  " + finding);
  return text;
}

}  // namespace tag
