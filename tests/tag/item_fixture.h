// "invent.dat" records for tests, spelled out byte by byte from the 248-byte
// item layout: the printable fields at their offsets, the others 0x00.

#ifndef TESTS_TAG_ITEM_FIXTURE_H_
#define TESTS_TAG_ITEM_FIXTURE_H_

#include <initializer_list>
#include <string>

namespace tag {

struct ItemFields {
  std::string vendor = "300", item = "01111", description, carat, quality, total, reorder, grams,
              karat, department = "WED", cost, retail;
};

inline std::string Padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

inline std::string ItemRecord(const ItemFields& f) {
  const std::string nul(1, '\0');
  return Padded(f.vendor, 3) + Padded(f.item, 5) + Padded(f.description, 80) + Padded(f.carat, 5) +
         Padded(f.quality, 9) + nul + Padded(f.total, 5) + Padded(f.reorder, 15) +
         Padded(f.grams, 6) + Padded(f.karat, 2) + "Y" + Padded("1-1-95", 8) +
         Padded(" 12345", 15) + std::string(8 + 13, ' ') + std::string(1 + 6 + 5, '\0') +
         std::string(7, ' ') + nul + Padded(f.department, 3) + Padded(f.cost, 12) +
         Padded(f.retail, 12) + std::string(12 + 13, '\0');
}

// The item the full reset writes.
inline ItemFields FullResetItem() {
  ItemFields f;
  f.description = "WIDE WEDDING BAND WITH 3 DIAS TW/.10 CT";
  f.quality = "VS1-J";
  f.total = ".10";
  f.reorder = "123456789";
  f.grams = "3.9";
  f.karat = "14";
  f.cost = "150.00";
  f.retail = "475.00";
  return f;
}

inline ItemFields Item(std::string vendor, std::string number, std::string department,
                       std::string description) {
  ItemFields f = FullResetItem();
  f.vendor = std::move(vendor);
  f.item = std::move(number);
  f.department = std::move(department);
  f.description = std::move(description);
  return f;
}

inline std::string ItemFile(std::initializer_list<ItemFields> items) {
  std::string bytes;
  for (const ItemFields& item : items) bytes += ItemRecord(item);
  return bytes;
}

}  // namespace tag

#endif  // TESTS_TAG_ITEM_FIXTURE_H_
