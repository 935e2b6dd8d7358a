#include "common/journal/transaction_plan.h"

#include <algorithm>

#include "common/files/file_names.h"

namespace common {

const char* ChangeWord(Change change) {
  switch (change) {
    case Change::kDelete:
      return "delete";
    case Change::kReplace:
      return "replace";
    case Change::kCreate:
      return "create";
  }
  return "change";
}

PlannedFile& Plan::Entry(const std::string& name) {
  if (const auto it = index_.find(name); it != index_.end()) return files_[it->second];
  PlannedFile file;
  file.name = name;
  file.info = env_.Stat(name);
  file.type = file.info.type;
  file.size = file.info.size;
  // Until something writes it, an existing file is only deleted.
  file.change = file.type == EntryType::kMissing ? Change::kCreate : Change::kDelete;
  index_.emplace(file.name, files_.size());
  files_.push_back(std::move(file));
  return files_.back();
}

void Plan::Delete(std::string_view pattern) {
  // A file this plan also writes stays a replaced one.
  for (const std::string& name : FindMatchingFiles(env_, pattern)) Entry(name);
}

void Plan::Delete(std::initializer_list<std::string_view> patterns) {
  for (const std::string_view pattern : patterns) Delete(pattern);
}

void Plan::Delete(std::span<const std::string_view> patterns) {
  for (const std::string_view pattern : patterns) {
    if (HasFolderPart(pattern)) {
      for (const std::string_view each : patterns) Delete(each);
      return;
    }
  }
  // One listing for all the patterns: a store may hold a great many files.
  for (const std::string& name : FindMatchingFiles(env_, "*")) {
    for (const std::string_view pattern : patterns) {
      if (MatchesPattern(pattern, name)) {
        Entry(name);
        break;
      }
    }
  }
}

void Plan::DeleteFile(std::string_view name) {
  // The presence test of the deletion: only what a pattern would see.
  if (HasFolderPart(name)) {
    const FileInfo info = env_.Stat(std::string(name));
    if (info.type == EntryType::kRegular || info.type == EntryType::kLink) {
      Entry(std::string(name));
    }
    return;
  }
  for (const std::string& found : FindMatchingFiles(env_, "*")) {
    if (SameName(found, name)) {
      Entry(ResolveName(env_, name));
      return;
    }
  }
}

void Plan::DeleteExactly(std::string_view name) {
  const EntryType type = env_.Stat(std::string(name)).type;
  if (type == EntryType::kRegular || type == EntryType::kLink) Entry(std::string(name));
}

void Plan::WriteExactly(std::string_view name, std::uint64_t new_size, std::string detail) {
  PlannedFile& file = Entry(std::string(name));
  file.change = file.type == EntryType::kMissing ? Change::kCreate : Change::kReplace;
  file.new_size = std::max(file.new_size, new_size);
  if (!detail.empty()) file.detail = std::move(detail);
}

void Plan::Write(std::string_view name, std::uint64_t new_size, std::string detail) {
  PlannedFile& file = Entry(ResolveName(env_, name));
  file.change = file.type == EntryType::kMissing ? Change::kCreate : Change::kReplace;
  file.new_size = std::max(file.new_size, new_size);
  if (!detail.empty()) file.detail = std::move(detail);
}

void Plan::WriteRecords(std::string_view name, std::size_t record_length, std::int64_t records,
                        std::string detail) {
  const std::string resolved = ResolveName(env_, name);
  const FileInfo info = env_.Stat(resolved);
  const std::uint64_t written =
      static_cast<std::uint64_t>(std::max<std::int64_t>(records, 0)) * record_length;
  Write(resolved, std::max(info.size, written), std::move(detail));
}

const PlannedFile* Plan::Find(std::string_view name) const {
  const PlannedFile* other_case = nullptr;
  for (const PlannedFile& file : files_) {
    if (file.name == name) return &file;
    if (other_case == nullptr && SameName(file.name, name)) other_case = &file;
  }
  return other_case;
}

namespace {

std::uint64_t Add(std::uint64_t a, std::uint64_t b) {
  return b > UINT64_MAX - a ? UINT64_MAX : a + b;
}

}  // namespace

std::uint64_t Plan::NewBytes() const {
  std::uint64_t bytes = 0;
  for (const PlannedFile& file : files_) {
    if (file.change != Change::kDelete) bytes = Add(bytes, file.new_size);
  }
  return bytes;
}

std::uint64_t Plan::KeptBytes() const {
  std::uint64_t bytes = 0;
  for (const PlannedFile& file : files_) bytes = Add(bytes, file.size);
  return bytes;
}

}  // namespace common
