#include "tag/item_picker.h"

#include "common/files/inventory_record.h"
#include "common/platform/file_error.h"
#include "common/platform/windows1252.h"
#include "tag/item_file.h"
#include "tag/tag_preview.h"

namespace tag {

namespace {

constexpr std::size_t kItemLength = common::InventoryRecord::kLength;

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = common::FoldCase1252(c);
  return folded;
}

}  // namespace

void ItemPicker::ShowDepartment(std::string_view department_text, bool reload) {
  const std::string key(DepartmentKey(department_text));
  if (!reload && key_ && Folded(*key_) == Folded(key)) return;
  key_ = key;
  ++listings_;
  items_.clear();
  count_ = 0;
  selected_.reset();
  error_.clear();
  try {
    // One walk: the department's items, and the first items of the store
    // in case the department has none.
    std::string others;
    std::size_t other_count = 0;
    // A department text of fewer than three characters has no items.
    const bool can_match = key.size() == kDepartmentKeyLength;
    ItemFileReader reader(env_);
    std::string_view item;
    while (reader.Next(item)) {
      if (!can_match && other_count == kOtherItemsListed) break;
      if (InDepartment(item, key)) {
        items_.append(item);
        ++count_;
      } else if (count_ == 0 && other_count < kOtherItemsListed) {
        others.append(item);
        ++other_count;
      }
    }
    if (count_ > 0) {
      listing_ = Listing::kDepartment;
    } else if (other_count > 0) {
      listing_ = Listing::kOtherItems;
      items_ = std::move(others);
      count_ = other_count;
    } else {
      listing_ = Listing::kNoItems;
    }
  } catch (const common::FileError& error) {
    listing_ = Listing::kError;
    error_ = error.what();
    items_.clear();
    count_ = 0;
  }
  if (count_ > 0) selected_ = 0;
}

std::string_view ItemPicker::Item(std::size_t index) const {
  return std::string_view(items_).substr(index * kItemLength, kItemLength);
}

std::string ItemPicker::Label(std::size_t index) const { return ItemLabel(Item(index)); }

std::vector<std::size_t> ItemPicker::Search(std::string_view text) const {
  const std::string wanted = Folded(text);
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < count_; ++i) {
    if (wanted.empty() || Folded(Label(i)).find(wanted) != std::string::npos) found.push_back(i);
  }
  return found;
}

void ItemPicker::Select(std::size_t index) {
  if (index < count_) selected_ = index;
}

std::optional<std::string_view> ItemPicker::SelectedItem() const {
  if (!selected_) return std::nullopt;
  return Item(*selected_);
}

std::string ItemPicker::Status() const {
  const std::string key = Printable(key_.value_or(""));
  switch (listing_) {
    case Listing::kNoItems:
      return "There are no items: \"invent.dat\" is missing or empty.";
    case Listing::kError:
      return error_;
    case Listing::kDepartment:
      return std::to_string(count_) + (count_ == 1 ? " item" : " items") + " of department " + key +
             ".";
    case Listing::kOtherItems:
      return "No items of department " + key + "; showing " +
             (count_ < kOtherItemsListed ? "the " + std::to_string(count_)
                                         : "the first " + std::to_string(count_)) +
             (count_ == 1 ? " item" : " items") + " of the store.";
  }
  return "";
}

}  // namespace tag
