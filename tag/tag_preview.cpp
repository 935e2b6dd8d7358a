#include "tag/tag_preview.h"

#include <algorithm>

#include "common/inventory_record.h"

namespace tag {

namespace {

using R = common::InventoryRecord;

// The catalogue in key order; the fields an item holds have the widths the
// catalogue shows.
constexpr CatalogueField kCatalogue[] = {
    {'1', "Vendor #", true, R::VendorNumber},
    {'2', "Stock #", true, R::ItemNumber},
    {'3', "Description", true, R::Description},
    {'4', "Center Stone", true, R::CaratWeight},
    {'5', "Stone Grade", true, R::StoneQuality},
    {'6', "Total Weight", true, R::TotalWeight},
    {'7', "Reorder #", true, R::ReorderNumber},
    {'8', "Grams", true, R::Grams},
    {'9', "Karat", true, R::Karat},
    {'A', "Color", false, {0, 0}},
    {'B', "Age", false, {0, 0}},
    {'C', "Invoice #", false, {0, 0}},
    {'D', "Department", true, R::Department},
    {'E', "Cost", true, R::Cost},
    {'F', "Retail", true, R::Retail},
};

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

// The field's text in `item` without its padding.
std::string FieldValue(std::string_view item, common::TextField field) {
  if (field.offset >= item.size()) return "";
  std::string_view value = item.substr(field.offset, field.width);
  const auto last = value.find_last_not_of(std::string_view(" \0", 2));
  value = last == std::string_view::npos ? std::string_view() : value.substr(0, last + 1);
  return Printable(value);
}

FilledBox FillBox(std::string_view box, std::optional<std::string_view> item) {
  FilledBox filled;
  std::size_t i = 0;
  while (i < box.size()) {
    const CatalogueField* field = FindCatalogueField(box[i]);
    if (field == nullptr) {
      filled.text += IsControl(box[i]) ? '?' : box[i];
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < box.size() && box[end] == box[i]) ++end;
    FieldRun run{field, filled.text.size(), end - i, "", ""};
    if (!item) {
      run.full = run.printed = std::string(box.substr(i, end - i));
    } else if (field->in_item_file) {
      run.full = FieldValue(*item, field->field);
      run.printed = run.full.substr(0, run.length);
    }
    filled.text += run.printed;
    filled.runs.push_back(std::move(run));
    i = end;
  }
  return filled;
}

void PrintOver(std::string& line, int column, std::string_view text) {
  const std::size_t at = static_cast<std::size_t>(column - 1);
  if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ' ') line[at + i] = text[i];
  }
}

}  // namespace

const CatalogueField* FindCatalogueField(char key) {
  for (const CatalogueField& field : kCatalogue) {
    if (field.key == key) return &field;
  }
  return nullptr;
}

std::string Printable(std::string_view text) {
  std::string shown(text);
  std::replace_if(shown.begin(), shown.end(), IsControl, '?');
  return shown;
}

TagRowPreview PreviewTagRow(const TagLayout& layout, const FieldLayout& boxes,
                            std::optional<std::string_view> item) {
  TagRowPreview preview;
  preview.has_item = item.has_value();
  for (std::size_t b = 0; b < boxes.size(); ++b) {
    preview.boxes[b] = FillBox(boxes[b], item);
    for (const FieldRun& run : preview.boxes[b].runs) {
      const std::string name = run.field->name;
      if (!run.field->in_item_file &&
          std::find(preview.missing_fields.begin(), preview.missing_fields.end(), name) ==
              preview.missing_fields.end()) {
        preview.missing_fields.push_back(name);
      }
    }
  }

  const int across = std::clamp<int>(layout.numacross, 1, 4);
  for (int line = 1; line <= 3; ++line) {
    std::vector<PlacedPart> on_line;
    for (int tag = 1; tag <= across; ++tag) {
      for (int side = 0; side < 2; ++side) {
        const int slot = 2 * tag - 1 + side;  // tabpos index of the position
        PlacedPart part;
        part.box = 2 * (line - 1) + side;
        part.line = line;
        part.tag = tag;
        part.position = static_cast<char>('A' + slot - 1);
        part.column = std::max<int>(layout.tabpos[slot], 1);
        on_line.push_back(part);
      }
    }
    std::string& printed = preview.lines[line - 1];
    for (std::size_t p = 0; p < on_line.size(); ++p) {
      const PlacedPart& part = on_line[p];
      const std::string& text = preview.boxes[part.box].text;
      PrintOver(printed, part.column, text);
      const auto last = text.find_last_not_of(' ');
      if (p + 1 < on_line.size() && last != std::string::npos) {
        const PlacedPart& next = on_line[p + 1];
        const int last_column = part.column + static_cast<int>(last);
        if (last_column >= next.column) {
          preview.collisions.push_back({part, next.position, next.column, last_column});
        }
      }
    }
    const auto end = printed.find_last_not_of(' ');
    printed.resize(end == std::string::npos ? 0 : end + 1);
    preview.parts.insert(preview.parts.end(), on_line.begin(), on_line.end());
  }
  return preview;
}

bool HasCutField(const TagRowPreview& preview) {
  for (const FilledBox& box : preview.boxes) {
    for (const FieldRun& run : box.runs) {
      if (run.cut()) return true;
    }
  }
  return false;
}

std::string DescribeCollision(const Collision& c) {
  return "Tag line " + std::to_string(c.part.line) + ", tag " + std::to_string(c.part.tag) +
         ": position " + c.part.position + " (column " + std::to_string(c.part.column) +
         ") runs into position " + c.next_position + " at column " +
         std::to_string(c.next_column) + ", up to column " + std::to_string(c.last_column);
}

std::vector<std::string> DescribeFindings(const TagRowPreview& preview) {
  std::vector<std::string> lines;
  for (const FilledBox& box : preview.boxes) {
    for (const FieldRun& run : box.runs) {
      if (run.cut()) {
        lines.push_back(std::string(run.field->name) + ": \"" + run.full + "\" printed as \"" +
                        run.printed + "\"");
      }
    }
  }
  for (const Collision& collision : preview.collisions) {
    lines.push_back(DescribeCollision(collision));
  }
  if (!preview.missing_fields.empty()) {
    std::string names;
    for (const std::string& name : preview.missing_fields) {
      names += (names.empty() ? "" : ", ") + name;
    }
    lines.push_back(names + ": not held in the item file, printed blank");
  }
  return lines;
}

}  // namespace tag
