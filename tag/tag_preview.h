// The tag row a department's field layout prints for one item: the three
// printed lines of every tag across (the same item on each), with each run
// of a key character replaced by that field of the item, cut to the run's
// length. It tells which fields were cut, which parts run into the next
// part's column, and which catalogue fields the item file does not hold.
//
// A field's value is the item's text without its padding (trailing spaces
// and 0x00 bytes): a shorter value prints shorter. The characters between
// runs print as they stand. Columns count from 1; a part starts at the tab
// setting of its position. A control byte, which no printable text holds, is
// shown as '?' so that it cannot act on a terminal or a printer.

#ifndef TAG_TAG_PREVIEW_H_
#define TAG_TAG_PREVIEW_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/files/text_record.h"
#include "tag/field_layout_file.h"
#include "tag/tag_layout.h"

namespace tag {

// A field of the tag field catalogue.
struct CatalogueField {
  char key;                 // '1' to '9', 'A' to 'F'
  const char* name;         // "Grams"
  bool in_item_file;        // false for Color, Age and Invoice #
  common::TextField field;  // where an item holds it, when it does
};

// The field of key character `key`, or null when `key` is none.
const CatalogueField* FindCatalogueField(char key);

// One run of a key character in a layout box, filled with the item.
struct FieldRun {
  const CatalogueField* field;
  std::size_t begin = 0;   // where its printed characters start in the box's text
  std::size_t length = 0;  // the length of the run
  std::string full;        // the item's value
  std::string printed;     // what is printed: the value cut to the run

  bool cut() const { return printed.size() < full.size(); }
};

// A layout box filled with the item.
struct FilledBox {
  std::string text;
  std::vector<FieldRun> runs;
};

// One part as printed on one tag: box `box` (0 to 5) at the column of its
// position.
struct PlacedPart {
  int box = 0;
  int line = 1;  // tag line 1 to 3
  int tag = 1;   // tag across, from 1
  char position = 'A';
  int column = 1;  // the position's tab setting
};

// A part whose last printed character stands at or past the column of the
// next part on its line.
struct Collision {
  PlacedPart part;
  char next_position = 'B';
  int next_column = 0;
  int last_column = 0;  // the column of the part's last printed character
};

struct TagRowPreview {
  bool has_item = false;  // without an item each run shows its key characters
  std::array<FilledBox, 6> boxes;
  std::array<std::string, 3> lines;  // the printed lines without trailing spaces
  std::vector<PlacedPart> parts;     // line by line, in print order
  std::vector<Collision> collisions;
  std::vector<std::string> missing_fields;  // fields used that items do not hold, once each
};

// The tag row of `boxes` for `item` (the bytes of an inventory record; a
// shorter text reads as padding), or for no item. The number across is
// taken within 1 to 4. Where parts overlap, a later part's characters print
// over an earlier part's, spaces excepted (a space prints nothing).
TagRowPreview PreviewTagRow(const TagLayout& layout, const FieldLayout& boxes,
                            std::optional<std::string_view> item);

// A field layout taken apart into its runs and the text between them, once
// for a walk over many items.
struct LayoutPiece {
  const CatalogueField* field = nullptr;  // null for text printed as it stands
  std::string text;                       // that text, or the run's key characters
};
struct ParsedFieldLayout {
  explicit ParsedFieldLayout(const FieldLayout& boxes);
  std::array<std::vector<LayoutPiece>, 6> boxes;
  std::vector<std::string> missing_fields;
};

// PreviewTagRow for a walk: fills `preview` anew, reusing its storage. The
// printed lines are left empty unless `with_lines`.
void FillTagRow(const TagLayout& layout, const ParsedFieldLayout& parsed,
                std::optional<std::string_view> item, bool with_lines, TagRowPreview& preview);

// The findings as lines of text: one per cut field ("Grams: "3.9" printed
// as "3.""), one per collision, and one naming the fields items do not hold.
// Cut fields are those of tag 1; the other tags across print the same.
std::vector<std::string> DescribeFindings(const TagRowPreview& preview);

// Whether any field of the item was cut.
bool HasCutField(const TagRowPreview& preview);

// "Tag line 2, tag 1: position A (column 7) runs into position B at column 29".
std::string DescribeCollision(const Collision& collision);

// `text` with every control byte shown as '?'.
std::string Printable(std::string_view text);

}  // namespace tag

#endif  // TAG_TAG_PREVIEW_H_
