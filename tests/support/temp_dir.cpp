#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace testing_support {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device random;
  std::error_code error;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "brillora-test-%08x", static_cast<unsigned>(random()));
    const fs::path candidate = fs::temp_directory_path() / name;
    // create_directory is false when the name is taken: try another.
    if (fs::create_directory(candidate, error)) {
      path_ = candidate.generic_string();
      return;
    }
  }
  ADD_FAILURE() << "cannot create a temporary directory";
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << name;
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream in(PathOf(name), std::ios::binary);
  if (!in || fs::is_directory(PathOf(name))) {
    ADD_FAILURE() << "cannot read " << name;
    return "";
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool TempDir::Exists(const std::string& name) const { return fs::exists(PathOf(name)); }

void TempDir::MakeDirectory(const std::string& name) const { fs::create_directories(PathOf(name)); }

std::vector<std::string> TempDir::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> DataNames(const TempDir& dir) {
  std::vector<std::string> names;
  for (const std::string& name : dir.Names()) {
    if (name != "cleanslate-backups" && name != "tag-backups" && name != "brillora-tools.lock") {
      names.push_back(name);
    }
  }
  return names;
}

std::map<std::string, std::string> Snapshot(const TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const std::string& name : DataNames(dir)) {
    files[name] = fs::is_directory(dir.PathOf(name)) ? "<dir>" : dir.Read(name);
  }
  return files;
}

}  // namespace testing_support
