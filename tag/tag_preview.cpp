#include "tag/tag_preview.h"

#include <algorithm>

#include "common/files/inventory_record.h"

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

// Sets `value` to the field's text in `item` without its padding.
void FieldValue(std::string_view item, common::TextField field, std::string& value) {
  value.clear();
  if (field.offset >= item.size()) return;
  std::string_view text = item.substr(field.offset, field.width);
  const auto last = text.find_last_not_of(std::string_view(" \0", 2));
  if (last == std::string_view::npos) return;
  value.assign(text.substr(0, last + 1));
  std::replace_if(value.begin(), value.end(), IsControl, '?');
}

void FillBox(const std::vector<LayoutPiece>& pieces, std::optional<std::string_view> item,
             FilledBox& filled) {
  // The runs of the last item are filled anew, their storage kept.
  filled.text.clear();
  std::size_t runs = 0;
  for (const LayoutPiece& piece : pieces) {
    if (piece.field == nullptr) {
      filled.text += piece.text;
      continue;
    }
    if (filled.runs.size() <= runs) filled.runs.emplace_back();
    FieldRun& run = filled.runs[runs++];
    run.field = piece.field;
    run.begin = filled.text.size();
    run.length = piece.text.size();
    if (!item) {
      run.full = piece.text;
    } else if (piece.field->in_item_file) {
      FieldValue(*item, piece.field->field, run.full);
    } else {
      run.full.clear();
    }
    run.printed.assign(run.full, 0, run.length);
    filled.text += run.printed;
  }
  filled.runs.resize(runs);
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

ParsedFieldLayout::ParsedFieldLayout(const FieldLayout& layout) {
  for (std::size_t b = 0; b < layout.size(); ++b) {
    const std::string& box = layout[b];
    std::size_t i = 0;
    while (i < box.size()) {
      const CatalogueField* field = FindCatalogueField(box[i]);
      std::size_t end = i + 1;
      if (field == nullptr) {
        while (end < box.size() && FindCatalogueField(box[end]) == nullptr) ++end;
        boxes[b].push_back({nullptr, Printable(std::string_view(box).substr(i, end - i))});
      } else {
        while (end < box.size() && box[end] == box[i]) ++end;
        boxes[b].push_back({field, box.substr(i, end - i)});
        const std::string name = field->name;
        if (!field->in_item_file &&
            std::find(missing_fields.begin(), missing_fields.end(), name) == missing_fields.end()) {
          missing_fields.push_back(name);
        }
      }
      i = end;
    }
  }
}

TagRowPreview PreviewTagRow(const TagLayout& layout, const FieldLayout& boxes,
                            std::optional<std::string_view> item) {
  TagRowPreview preview;
  FillTagRow(layout, ParsedFieldLayout(boxes), item, /*with_lines=*/true, preview);
  return preview;
}

void FillTagRow(const TagLayout& layout, const ParsedFieldLayout& parsed,
                std::optional<std::string_view> item, bool with_lines, TagRowPreview& preview) {
  preview.has_item = item.has_value();
  for (std::size_t b = 0; b < parsed.boxes.size(); ++b) {
    FillBox(parsed.boxes[b], item, preview.boxes[b]);
  }
  preview.missing_fields = parsed.missing_fields;
  preview.parts.clear();
  preview.collisions.clear();

  const int across = std::clamp<int>(layout.numacross, 1, 4);
  for (int line = 1; line <= 3; ++line) {
    const std::size_t first = preview.parts.size();
    for (int tag = 1; tag <= across; ++tag) {
      for (int side = 0; side < 2; ++side) {
        const int slot = 2 * tag - 1 + side;  // tabpos index of the position
        PlacedPart part;
        part.box = 2 * (line - 1) + side;
        part.line = line;
        part.tag = tag;
        part.position = static_cast<char>('A' + slot - 1);
        part.column = std::max<int>(layout.tabpos[slot], 1);
        preview.parts.push_back(part);
      }
    }
    std::string& printed = preview.lines[line - 1];
    printed.clear();
    for (std::size_t p = first; p < preview.parts.size(); ++p) {
      const PlacedPart& part = preview.parts[p];
      const std::string& text = preview.boxes[part.box].text;
      if (with_lines) PrintOver(printed, part.column, text);
      const auto last = text.find_last_not_of(' ');
      if (p + 1 < preview.parts.size() && last != std::string::npos) {
        const PlacedPart& next = preview.parts[p + 1];
        const int last_column = part.column + static_cast<int>(last);
        if (last_column >= next.column) {
          preview.collisions.push_back({part, next.position, next.column, last_column});
        }
      }
    }
    const auto end = printed.find_last_not_of(' ');
    printed.resize(end == std::string::npos ? 0 : end + 1);
  }
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
         ") runs into position " + c.next_position + " at column " + std::to_string(c.next_column) +
         ", up to column " + std::to_string(c.last_column);
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
