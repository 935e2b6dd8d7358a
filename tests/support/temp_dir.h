// TempDir: a fresh directory for one test, removed with everything in it when
// the test ends, and small helpers to put bytes into it and look at them.

#ifndef TESTS_SUPPORT_TEMP_DIR_H_
#define TESTS_SUPPORT_TEMP_DIR_H_

#include <map>
#include <string>
#include <vector>

namespace testing_support {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string PathOf(const std::string& name) const { return path_ + "/" + name; }

  void Write(const std::string& name, const std::string& bytes) const;
  // The bytes of `name`; fails the test when it cannot be read.
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  void MakeDirectory(const std::string& name) const;
  // Every entry name, hidden ones included, sorted.
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

// The names in `dir` without the programs' backup folders and their
// working lock's file.
std::vector<std::string> DataNames(const TempDir& dir);

// Every file of the directory with its bytes (a directory as "<dir>"), the
// backup folders and the lock's file left out.
std::map<std::string, std::string> Snapshot(const TempDir& dir);

// `count` copies of `byte`.
inline std::string Repeat(char byte, std::size_t count) { return std::string(count, byte); }

}  // namespace testing_support

#endif  // TESTS_SUPPORT_TEMP_DIR_H_
