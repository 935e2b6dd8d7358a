// The department window over any "dept.dat", "numdept.dat" and "DEFTAGS.dat"
// and any typed department text: the list holds only 28-character names of
// used slots; a layout that Save Change accepts is the layout a department
// change loads again; "Set all back to default" deletes the layout file of
// every listed department, the one just saved included; nothing outside the
// data directory changes and no temporary file is left.
//
// Input, parts cut at 0xFF: dept.dat, numdept.dat (none when empty), the
// typed department text, the text of the first layout box, DEFTAGS.dat.

#include <algorithm>

#include "common/app/backup_commands.h"
#include "common/files/department_record.h"
#include "common/files/file_names.h"
#include "common/journal/work_lock.h"
#include "common/platform/file_error.h"
#include "fuzz/fuzz_support.h"
#include "tag/change_order.h"
#include "tag/department_files.h"
#include "tag/field_layout_file.h"

namespace {

class NoFrontEnd : public tag::TagWindowHost {
 public:
  void ProcessPendingEvents() override {}
  void SetBusyPointer(bool) override {}
  void EndProgram() override {}
  void MoveFocusToChangeBox() override {}
  void ShowChangeOrder(tag::ChangeOrder&) override {}
  void CloseChangeOrder() override {}
};

// A text that a line holds and ReadField gives back unchanged.
bool PlainField(const std::string& text) {
  return !text.empty() && text[0] != ' ' && text[0] != '\t' && text[0] != '"' &&
         text.find_first_of(",\r\n") == std::string::npos;
}

tag::FieldLayout Boxes(const tag::ChangeOrder& window) {
  tag::FieldLayout boxes;
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = window.controls().Text[i].text;
  return boxes;
}

// The names of records 1 to `count` of the department file, as stored.
std::vector<std::string> RecordNames(const std::string& file, std::int32_t count) {
  std::vector<std::string> names;
  const std::size_t length = common::DepartmentRecord::kLength;
  for (std::size_t n = 0;
       n < static_cast<std::size_t>(std::max(count, 0)) && (n + 1) * length <= file.size(); ++n) {
    names.push_back(file.substr(n * length + 3, 28));
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> parts = fuzz::Split(fuzz::AsText(data, size), '\xFF', 5);
  auto part = [&parts](std::size_t i) { return i < parts.size() ? parts[i] : std::string(); };
  testing_support::MemoryEnv env;
  env.Write("../TAGS.dat", "outside\r\n");
  env.Write("../GENtags.dat", "outside\r\n");
  env.Write(common::kDepartmentFile, part(0));
  if (!part(1).empty()) env.Write(tag::kDepartmentCountFile, part(1));
  if (parts.size() > 4) env.Write(tag::kDefaultFieldLayoutFile, part(4));
  // Layout files of the first departments, where their names allow one.
  for (const std::string& name : RecordNames(part(0), 8)) {
    const std::string first3 = name.substr(0, 3);
    if (first3.find_first_of(std::string("/\0", 2)) == std::string::npos) {
      env.Write(first3 + "TAGS.DAT", "x\r\n");
    }
  }
  const fuzz::Snapshot start = env.Snapshot();

  std::int16_t count = 0;
  try {
    count = tag::ReadDepartmentCount(env);
  } catch (const common::FileError& error) {
    FUZZ_CHECK(error.file() == tag::kDepartmentCountFile);
    return 0;
  }
  const std::vector<std::string> listed = tag::ListDepartments(env, count);
  FUZZ_CHECK(listed.size() <= RecordNames(part(0), count).size());
  for (const std::string& name : listed) {
    FUZZ_CHECK(name.size() == 28 && !name.starts_with("[NO"));
  }

  // Save Change, then a department change to the same text.
  fuzz::QueuedMessages messages;
  NoFrontEnd host;
  const std::string typed = part(2);
  tag::ChangeOrder window(env, messages, host);
  try {
    window.Form_Load();
  } catch (const common::FileError&) {
    return 0;  // a DEFTAGS.dat that is not a line file of six fields
  }
  window.TypeDepartment(typed);
  window.TypeLayoutBox(1, PlainField(part(3)) ? part(3) : "X");
  const tag::FieldLayout saved = Boxes(window);
  const fuzz::Snapshot before_save = env.Snapshot();
  window.Command1_Click();
  const fuzz::Snapshot after_save = env.Snapshot();
  FUZZ_CHECK(fuzz::OutsideUnchanged(start, after_save));
  FUZZ_CHECK(fuzz::NoNewHiddenEntry(start, after_save));
  const bool accepted = !window.open();
  FUZZ_CHECK(accepted == (tag::CheckDepartmentText(typed) == tag::DepartmentText::kUsable));
  if (!accepted) FUZZ_CHECK(before_save == after_save);
  const std::string saved_name =
      accepted ? common::ResolveName(env, tag::FieldLayoutFileName(typed)) : "";
  if (accepted) {
    FUZZ_CHECK(common::FileExists(env, saved_name));
    tag::ChangeOrder again(env, messages, host);
    again.Form_Load();
    again.TypeDepartment(typed);
    if (std::all_of(saved.begin(), saved.end(), PlainField)) FUZZ_CHECK(Boxes(again) == saved);
  }

  // Set all back to default: Yes, then No for the default layout.
  messages.answers = {common::Answer::kYes, common::Answer::kNo};
  tag::ChangeOrder reset(env, messages, host);
  reset.Form_Load();
  reset.settoDefault_Click();
  const fuzz::Snapshot after_reset = env.Snapshot();
  FUZZ_CHECK(fuzz::OutsideUnchanged(start, after_reset));
  FUZZ_CHECK(fuzz::NoNewHiddenEntry(start, after_reset));
  // Nothing new but the backup that the reset keeps and the working lock's file.
  for (const auto& entry : after_reset) {
    if (entry.first.find(common::kTagBackupFolder) != std::string::npos) continue;
    if (entry.first.ends_with(common::kWorkLockFile)) continue;
    FUZZ_CHECK(after_save.count(entry.first) == 1);
  }
  for (const std::string& name : RecordNames(part(0), count)) {
    const std::string first3 = name.substr(0, 3);
    if (name[0] == ' ' || !tag::SafeInFileName(first3)) continue;
    const std::string file = tag::TrimSpaces(first3 + "tags.dat");
    if (file.starts_with("[") || file.starts_with(".")) continue;
    FUZZ_CHECK(!common::FileExists(env, file));
  }
  // The text just saved, when it is a listed department, lost its file too.
  if (accepted && typed[0] != ' ' &&
      std::find(listed.begin(), listed.end(), typed) != listed.end() && !typed.starts_with("[")) {
    FUZZ_CHECK(env.Stat(saved_name).type == common::EntryType::kMissing);
  }
  return 0;
}
