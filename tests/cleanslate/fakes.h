// Test doubles for Cleanslate: a fixed random draw, a fixed day, a window
// host that records what it is asked, expected record bytes spelled field by
// field, and a snapshot of a directory's files.

#ifndef TESTS_CLEANSLATE_FAKES_H_
#define TESTS_CLEANSLATE_FAKES_H_

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cleanslate/clock.h"
#include "cleanslate/random_source.h"
#include "common/window_host.h"
#include "tests/support/temp_dir.h"

namespace cleanslate_testing {

class FixedRandom : public cleanslate::RandomSource {
 public:
  explicit FixedRandom(double fraction = 0.5) : fraction_(fraction) {}
  double NextFraction() override {
    ++draws;
    return fraction_;
  }
  int draws = 0;

 private:
  double fraction_;
};

class FixedClock : public cleanslate::Clock {
 public:
  explicit FixedClock(std::string today = "04-30-1998") : today_(std::move(today)) {}
  std::string Today() override { return today_; }

 private:
  std::string today_;
};

class RecordingHost : public common::WindowHost {
 public:
  void ProcessPendingEvents() override { calls.push_back("events"); }
  void SetBusyPointer(bool on) override {
    busy = on;
    calls.push_back(on ? "busy" : "normal");
  }
  void EndProgram() override {
    ++ends;
    calls.push_back("end");
  }
  bool ended() const { return ends > 0; }

  std::vector<std::string> calls;
  bool busy = false;
  int ends = 0;
};

// A text field's bytes: `text` cut or padded with spaces to `width`.
inline std::string Pad(const std::string& text, std::size_t width) {
  std::string field = text.substr(0, width);
  field.resize(width, ' ');
  return field;
}
inline std::string Spaces(std::size_t n) { return std::string(n, ' '); }
inline std::string Zeros(std::size_t n) { return std::string(n, '\0'); }

// `count` records of `length` bytes, each filled with its own letter and
// numbered at its start, so any moved or changed byte shows.
inline std::string OldRecords(int count, std::size_t length) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    std::string record(length, static_cast<char>('a' + i % 26));
    const std::string number = std::to_string(i + 1);
    record.replace(0, number.size(), number);
    bytes += record;
  }
  return bytes;
}

// The names in the directory, the backup folders left out.
inline std::vector<std::string> DataNames(const testing_support::TempDir& dir) {
  std::vector<std::string> names;
  for (const std::string& name : dir.Names()) {
    if (name != "cleanslate-backups" && name != "tag-backups") names.push_back(name);
  }
  return names;
}

// Every file of the directory with its bytes (a directory as "<dir>"), the
// backup folders left out.
inline std::map<std::string, std::string> Snapshot(const testing_support::TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const std::string& name : DataNames(dir)) {
    files[name] = std::filesystem::is_directory(dir.PathOf(name)) ? "<dir>" : dir.Read(name);
  }
  return files;
}

}  // namespace cleanslate_testing

#endif  // TESTS_CLEANSLATE_FAKES_H_
