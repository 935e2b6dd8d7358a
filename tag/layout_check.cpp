#include "tag/layout_check.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "common/files/department_record.h"
#include "common/files/file_names.h"
#include "common/files/record_reader.h"
#include "common/platform/windows1252.h"
#include "tag/department_files.h"
#include "tag/item_file.h"
#include "tag/tag_preview.h"

namespace tag {

namespace {

constexpr char kBuiltInSource[] = "built-in";
constexpr std::size_t kFlushBytes = 1 << 16;

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = common::FoldCase1252(c);
  return folded;
}

// The items of one department key, and the layout they print with.
struct Group {
  std::string key;                 // as first met
  std::vector<std::string> names;  // listed departments of this key
  AppliedLayout layout;
  std::optional<ParsedFieldLayout> parsed;
  bool listed = false;  // a department of "dept.dat" has this key
  long items = 0, cut = 0, collide = 0;
};

class Checker {
 public:
  Checker(common::Env& env, std::ostream& out) : env_(env), out_(out) {}

  void Run() {
    tag_layout_ = ReadTagLayoutOrDefault(env_);
    PrintTagLayout();
    ListDepartments();
    ItemFileReader reader(env_);
    std::string_view item;
    while (reader.Next(item)) CheckItem(item);
    if (!reader.file_exists()) PrintLine("There are no items: \"invent.dat\" is missing.");
    PrintSummary();
    Flush();
  }

 private:
  // Collects the report and writes it in large pieces.
  void Print(std::string_view text) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
      buffer_ += text;
    } else {
      buffer_ += common::Windows1252ToUtf8(text);
    }
    if (buffer_.size() >= kFlushBytes) Flush();
  }
  void PrintLine(std::string_view line) {
    Print(line);
    buffer_ += '\n';
  }
  void Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

  void PrintTagLayout() {
    const bool present = common::FileExists(env_, kTagFile);
    const int across = std::clamp<int>(tag_layout_.numacross, 1, 4);
    std::string line = std::string(present ? "Tag layout " : "Tag layout (default, no ") +
                       kTagFile + (present ? "" : ")") + ": " + std::to_string(across) +
                       " across; positions";
    for (int slot = 1; slot <= 2 * across; ++slot) {
      line += std::string(slot == 1 ? " " : ", ") + static_cast<char>('A' + slot - 1) + " " +
              std::to_string(tag_layout_.tabpos[slot]);
    }
    PrintLine(line + ".");
  }

  Group& GroupOf(std::string_view key) {
    const std::string folded = Folded(key);
    auto found = groups_.find(folded);
    if (found != groups_.end()) return found->second;
    Group& group = groups_[folded];
    group.key = std::string(key);
    group.layout = FieldLayoutFor(env_, key);
    group.parsed.emplace(group.layout.boxes);
    return group;
  }

  // The departments of "dept.dat", read without creating or changing it.
  void ListDepartments() {
    const std::int16_t count = ReadDepartmentCount(env_);
    common::RecordReader records(env_, common::kDepartmentFile, common::DepartmentRecord::kLength);
    std::string_view record;
    while (records.record_number() < count && records.Next(record)) {
      const common::DepartmentRecord department{
          common::TextRecord(std::string(record), record.size())};
      std::string name = department.Get(common::DepartmentRecord::Name);
      if (name.starts_with("[NO")) continue;
      const std::string key(DepartmentKey(name));
      Group& group = GroupOf(key);
      if (!group.listed) order_.push_back(Folded(key));
      group.listed = true;
      const auto end = name.find_last_not_of(' ');
      name.resize(end == std::string::npos ? 0 : end + 1);
      group.names.push_back(Printable(name));
    }
  }

  void CheckItem(std::string_view item) {
    Group& group = GroupOf(ItemDepartment(item));
    ++group.items;
    ++items_;
    TagRowPreview& preview = preview_;
    FillTagRow(tag_layout_, *group.parsed, item, /*with_lines=*/false, preview);
    const bool cut = HasCutField(preview);
    const bool collide = !preview.collisions.empty();
    if (!cut && !collide) return;
    group.cut += cut;
    group.collide += collide;
    cut_ += cut;
    collide_ += collide;
    std::string text = ItemLabel(item) + "  [department " + Printable(group.key) + ", " +
                       LayoutName(group) + "]\n";
    for (const FieldRun* run : CutRuns(preview)) {
      text += "  " + std::string(run->field->name) + ": \"" + run->full + "\" printed as \"" +
              run->printed + "\"\n";
    }
    for (const Collision& collision : preview.collisions) {
      text += "  " + DescribeCollision(collision) + "\n";
    }
    Print(text);
  }

  static std::vector<const FieldRun*> CutRuns(const TagRowPreview& preview) {
    std::vector<const FieldRun*> runs;
    for (const FilledBox& box : preview.boxes) {
      for (const FieldRun& run : box.runs) {
        if (run.cut()) runs.push_back(&run);
      }
    }
    return runs;
  }

  static std::string LayoutName(const Group& group) {
    return group.layout.own ? "layout " + group.layout.source
                            : "layout DEFAULT (" + group.layout.source + ")";
  }

  void PrintSummary() {
    std::vector<std::string> keys = order_;
    std::vector<std::string> others;
    for (const auto& [folded, group] : groups_) {
      if (!group.listed) others.push_back(folded);
    }
    keys.insert(keys.end(), others.begin(), others.end());
    PrintLine("");
    PrintLine("Departments: items, items with cut fields, items whose parts collide.");
    for (const std::string& folded : keys) {
      const Group& group = groups_.at(folded);
      std::string names;
      for (const std::string& name : group.names) names += (names.empty() ? "" : ", ") + name;
      if (names.empty()) names = "(no department listed)";
      std::string line = "  " + names + " [" + Printable(group.key) + "], " + LayoutName(group) +
                         ": " + Count(group.items, "item") + ", " + std::to_string(group.cut) +
                         " cut, " + std::to_string(group.collide) + " collide";
      if (!group.parsed->missing_fields.empty()) {
        std::string missing;
        for (const std::string& name : group.parsed->missing_fields) {
          missing += (missing.empty() ? "" : ", ") + name;
        }
        line += "; prints " + missing + ", which items do not hold, blank";
      }
      PrintLine(line);
    }
    PrintLine("Total: " + Count(items_, "item") + ", " + std::to_string(cut_) +
              " with cut fields, " + std::to_string(collide_) + " whose parts collide.");
  }

  static std::string Count(long n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  }

  common::Env& env_;
  std::ostream& out_;
  TagLayout tag_layout_;
  std::map<std::string, Group> groups_;  // by folded key
  std::vector<std::string> order_;       // folded keys of the listed departments
  long items_ = 0, cut_ = 0, collide_ = 0;
  TagRowPreview preview_;  // reused from item to item
  std::string buffer_;
};

}  // namespace

TagLayout ReadTagLayoutOrDefault(common::Env& env) {
  if (!common::FileExists(env, kTagFile)) return DefaultLayout(kTagFile);
  TagLayout layout;
  layout.tagfile = kTagFile;
  ReadLayout(env, layout);
  return layout;
}

AppliedLayout FieldLayoutFor(common::Env& env, std::string_view key) {
  AppliedLayout applied;
  applied.boxes = BuiltInFieldLayout();
  applied.source = kBuiltInSource;
  if (CheckDepartmentText(key) == DepartmentText::kUsable) {
    const std::string own = FieldLayoutFileName(key);
    if (common::FileExists(env, own)) {
      applied.source = common::ResolveName(env, own);
      applied.own = true;
      ReadFieldLayout(env, applied.source, applied.boxes);
      return applied;
    }
  }
  if (common::FileExists(env, kDefaultFieldLayoutFile)) {
    applied.source = common::ResolveName(env, kDefaultFieldLayoutFile);
    ReadFieldLayout(env, applied.source, applied.boxes);
  }
  return applied;
}

void CheckLayouts(common::Env& env, std::ostream& out) { Checker(env, out).Run(); }

}  // namespace tag
