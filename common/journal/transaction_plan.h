// Plan: every file an action will delete, replace or create, worked out
// before it changes anything. Pattern deletions are resolved against the
// directory listing. The same plan drives the checks, the backup of the
// originals and the dry run.

#ifndef COMMON_JOURNAL_TRANSACTION_PLAN_H_
#define COMMON_JOURNAL_TRANSACTION_PLAN_H_

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/platform/env.h"

namespace common {

enum class Change {
  kDelete,   // the file exists and is gone afterwards
  kReplace,  // the file exists and has new content afterwards
  kCreate,   // the file does not exist yet
};

// "delete", "replace", "create": the words of the manifest and the dry run.
const char* ChangeWord(Change change);

struct PlannedFile {
  std::string name;  // as it stands in the directory, or will stand
  Change change = Change::kCreate;
  EntryType type = EntryType::kMissing;  // of the original
  std::uint64_t size = 0;                // of the original
  FileInfo info;                         // of the original, as the plan found it
  std::uint64_t new_size = 0;            // at most, afterwards
  std::string detail;                    // what happens inside the file, for the dry run
};

class Plan {
 public:
  // A detailed plan is for the dry run: it may read more to say what would
  // change inside the files.
  explicit Plan(Env& env, bool detailed = false) : env_(env), detailed_(detailed) {}

  bool detailed() const { return detailed_; }

  // Every file matching `pattern` now is to be deleted.
  void Delete(std::string_view pattern);
  void Delete(std::initializer_list<std::string_view> patterns);
  void Delete(std::span<const std::string_view> patterns);
  // The file `name` (no pattern), when it exists, is to be deleted. What
  // patterns do not see (a folder, a hidden file) is left alone.
  void DeleteFile(std::string_view name);
  // The entry of exactly `name` (no other letter case), when it exists, is
  // to be deleted; and `name` exactly is to be written. For restoring case
  // twins each to its own name.
  void DeleteExactly(std::string_view name);
  void WriteExactly(std::string_view name, std::uint64_t new_size, std::string detail = {});
  // `name` is to be written whole, `new_size` bytes at most.
  void Write(std::string_view name, std::uint64_t new_size, std::string detail = {});
  // Records 1 to `records` of the record file `name` are to be written; the
  // file keeps whatever lies beyond them.
  void WriteRecords(std::string_view name, std::size_t record_length, std::int64_t records,
                    std::string detail = {});

  const std::vector<PlannedFile>& files() const { return files_; }
  // The entry of exactly `name`, else one of the same name in another letter
  // case; nullptr when there is none.
  const PlannedFile* Find(std::string_view name) const;
  // The bytes the new content needs on the disk, and those of the files
  // the backup keeps (deleted or replaced); at most the largest 64-bit number.
  std::uint64_t NewBytes() const;
  std::uint64_t KeptBytes() const;

 private:
  PlannedFile& Entry(const std::string& name);

  Env& env_;
  bool detailed_;
  std::vector<PlannedFile> files_;
  std::unordered_map<std::string, std::size_t> index_;  // name -> its entry
};

}  // namespace common

#endif  // COMMON_JOURNAL_TRANSACTION_PLAN_H_
