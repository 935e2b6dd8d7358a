#include "tag/field_layout_file.h"

#include "common/files/line_file.h"
#include "tag/next_field.h"

namespace tag {

const FieldLayout& BuiltInFieldLayout() {
  static const FieldLayout layout{
      "111 DDD",        "FFFFFFFFFFFF", "22222 33333333333333333 ",
      "44444 55555555", "EEEEEEEEEEEE", "66666 99 88",
  };
  return layout;
}

std::optional<char> UnsafeInFileName(std::string_view chars) {
  for (const char c : chars) {
    if (static_cast<unsigned char>(c) < 0x20) return c;
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return c;
  }
  return std::nullopt;
}

std::string TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

DepartmentText CheckDepartmentText(std::string_view text) {
  if (TrimSpaces(text).size() < 3) return DepartmentText::kTooShort;
  // A name starting with a dot is hidden: no presence test or deletion by
  // name would ever see the file that Save Change wrote.
  if (text.front() == '.') return DepartmentText::kLeadingDot;
  if (!SafeInFileName(text.substr(0, 3))) return DepartmentText::kUnsafeCharacter;
  return DepartmentText::kUsable;
}

std::string FieldLayoutFileName(std::string_view text) {
  return std::string(text.substr(0, 3)) + "TAGS.dat";
}

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
      c = static_cast<char>(byte - 0x20);
    } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {  // š œ ž
      c = static_cast<char>(byte - 0x10);
    } else if (byte == 0xFF) {  // ÿ
      c = static_cast<char>(0x9F);
    }
  }
  return upper;
}

void ReadFieldLayout(common::Env& env, const std::string& name, FieldLayout& layout) {
  common::LineFileReader file(env, name);
  for (std::string& part : layout) {
    auto field = NextField(file);
    if (!field) return;
    part = std::move(*field);
  }
}

void WriteFieldLayout(common::Env& env, const std::string& name, const FieldLayout& layout) {
  common::LineFileWriter file(env, name);
  for (const std::string& part : layout) common::WriteTextLine(file, part);
  file.Close();
}

}  // namespace tag
