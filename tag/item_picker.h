// ItemPicker: the items the department window previews its tags with. It
// lists the items of the department in the department box; when that
// department has none, the first items of the store instead, so that there
// is always an item to look at while there are items at all. One item is
// selected, the first one after every listing. A search narrows what the
// list shows without changing the numbering.

#ifndef TAG_ITEM_PICKER_H_
#define TAG_ITEM_PICKER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform/env.h"

namespace tag {

class ItemPicker {
 public:
  // The most items listed from other departments.
  static constexpr std::size_t kOtherItemsListed = 1000;

  enum class Listing {
    kNoItems,     // "invent.dat" is missing or holds no item
    kDepartment,  // the department's own items
    kOtherItems,  // the department has none: items of the store
    kError,       // "invent.dat" could not be read; error() says why
  };

  explicit ItemPicker(common::Env& env) : env_(env) {}

  // Lists the items of the department named by `department_text` (its first
  // three characters), reading "invent.dat" anew; without `reload`, only
  // when the department's key differs from the one listed. A file error is
  // kept, not thrown: the list is then empty.
  void ShowDepartment(std::string_view department_text, bool reload = false);

  Listing listing() const { return listing_; }
  const std::string& error() const { return error_; }
  std::size_t size() const { return count_; }
  std::string_view Item(std::size_t index) const;
  std::string Label(std::size_t index) const;

  // The indexes of the items whose label holds `text`, letter case aside,
  // in list order. An empty text finds every item.
  std::vector<std::size_t> Search(std::string_view text) const;

  // Selects item `index`; an index past the list is ignored.
  void Select(std::size_t index);
  std::optional<std::size_t> selected() const { return selected_; }
  std::optional<std::string_view> SelectedItem() const;

  // How many times the items were read: a front end redraws its list when
  // this changes.
  std::size_t listings() const { return listings_; }

  // One line on what is listed: "3 items of department WED", "No items of
  // department GEN: the first 1000 items of the store", ...
  std::string Status() const;

 private:
  common::Env& env_;
  std::optional<std::string> key_;  // the key listed, once listed
  Listing listing_ = Listing::kNoItems;
  std::string error_;
  std::string items_;  // the listed items' records, one after the other
  std::size_t count_ = 0;
  std::optional<std::size_t> selected_;
  std::size_t listings_ = 0;
};

}  // namespace tag

#endif  // TAG_ITEM_PICKER_H_
