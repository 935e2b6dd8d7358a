#include "tag/item_file.h"

#include "common/files/inventory_record.h"
#include "common/platform/windows1252.h"
#include "tag/tag_preview.h"

namespace tag {

namespace {

using R = common::InventoryRecord;

std::string_view Field(std::string_view item, common::TextField field) {
  return item.substr(field.offset, field.width);
}

std::string WithoutPadding(std::string_view text) {
  const auto last = text.find_last_not_of(std::string_view(" \0", 2));
  return Printable(last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1));
}

bool IsStockItem(std::string_view item) {
  const std::string_view number = item.substr(0, R::Description.offset);
  if (number.find_first_not_of(std::string_view(" \0", 2)) == std::string_view::npos) return false;
  return Field(item, R::VendorNumber) != "999";
}

}  // namespace

ItemFileReader::ItemFileReader(common::Env& env)
    : records_(env, common::kInventoryFile, R::kLength) {}

bool ItemFileReader::Next(std::string_view& item) {
  while (records_.Next(item)) {
    if (IsStockItem(item)) return true;
  }
  return false;
}

std::string_view DepartmentKey(std::string_view department_text) {
  return department_text.substr(0, kDepartmentKeyLength);
}

std::string_view ItemDepartment(std::string_view item) { return Field(item, R::Department); }

bool InDepartment(std::string_view item, std::string_view key) {
  const std::string_view department = ItemDepartment(item);
  if (department.size() != key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (common::FoldCase1252(department[i]) != common::FoldCase1252(key[i])) return false;
  }
  return true;
}

std::string ItemLabel(std::string_view item) {
  return WithoutPadding(Field(item, R::VendorNumber)) + "-" +
         WithoutPadding(Field(item, R::ItemNumber)) + " " +
         WithoutPadding(Field(item, R::Description));
}

}  // namespace tag
