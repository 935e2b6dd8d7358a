// Where the time of one customer walk goes: runs the sales reset (with its
// backup) on the data directory given, through an Env that times every
// read, write and sync, and prints the split. The checksums are timed apart,
// over the same number of bytes in memory (the walk takes two: the
// original's and the new file's).
//
//   walk_split DIR      (DIR holds cust.dat and cust.pt; it is reset)

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "cleanslate/category_resets.h"
#include "common/app/messages.h"
#include "common/app/window_host.h"
#include "common/journal/checksum.h"
#include "common/platform/default_env.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Split {
  double read = 0, write = 0, sync = 0, rename = 0;
  std::uint64_t bytes_read = 0;
};

class Timer {
 public:
  explicit Timer(double& total) : total_(total), start_(Clock::now()) {}
  ~Timer() { total_ += std::chrono::duration<double>(Clock::now() - start_).count(); }

 private:
  double& total_;
  Clock::time_point start_;
};

class TimedSequential : public common::SequentialFile {
 public:
  TimedSequential(std::unique_ptr<common::SequentialFile> file, Split& split)
      : file_(std::move(file)), split_(split) {}
  std::size_t Read(char* buffer, std::size_t n) override {
    Timer timer(split_.read);
    const std::size_t got = file_->Read(buffer, n);
    split_.bytes_read += got;
    return got;
  }

 private:
  std::unique_ptr<common::SequentialFile> file_;
  Split& split_;
};

class TimedRandom : public common::RandomAccessFile {
 public:
  TimedRandom(std::unique_ptr<common::RandomAccessFile> file, Split& split)
      : file_(std::move(file)), split_(split) {}
  std::uint64_t Size() override { return file_->Size(); }
  std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t n) override {
    Timer timer(split_.read);
    return file_->ReadAt(offset, buffer, n);
  }
  void WriteAt(std::uint64_t offset, std::string_view data) override {
    Timer timer(split_.write);
    file_->WriteAt(offset, data);
  }
  void StartWriteback(std::uint64_t offset, std::uint64_t length) override {
    Timer timer(split_.write);
    file_->StartWriteback(offset, length);
  }
  void Sync() override {
    Timer timer(split_.sync);
    file_->Sync();
  }
  void Close() override { file_->Close(); }

 private:
  std::unique_ptr<common::RandomAccessFile> file_;
  Split& split_;
};

class TimedEnv : public common::EnvWrapper {
 public:
  TimedEnv(common::Env& env, Split& split) : EnvWrapper(env), split_(split) {}
  std::unique_ptr<common::SequentialFile> OpenForReading(const std::string& path) override {
    return std::make_unique<TimedSequential>(target().OpenForReading(path), split_);
  }
  std::unique_ptr<common::RandomAccessFile> OpenForUpdate(const std::string& path) override {
    return std::make_unique<TimedRandom>(target().OpenForUpdate(path), split_);
  }
  std::unique_ptr<common::RandomAccessFile> CreateFile(const std::string& path,
                                                       const std::string& like) override {
    return std::make_unique<TimedRandom>(target().CreateFile(path, like), split_);
  }
  void RenameFile(const std::string& from, const std::string& to) override {
    Timer timer(split_.rename);
    target().RenameFile(from, to);
  }
  void SyncDirectory(const std::string& dir) override {
    Timer timer(split_.sync);
    target().SyncDirectory(dir);
  }

 private:
  Split& split_;
};

class QuietMessages : public common::Messages {
 protected:
  common::Answer Show(const common::Message&) override { return common::Answer::kOk; }
};

class NoHost : public common::WindowHost {
 public:
  void ProcessPendingEvents() override {}
  void SetBusyPointer(bool) override {}
  void EndProgram() override {}
};

class NoRandom : public cleanslate::RandomSource {
 public:
  double NextFraction() override { return 0.5; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: walk_split DIR\n";
    return 2;
  }
  common::DefaultEnv real(argv[1]);
  Split split;
  TimedEnv env(real, split);
  QuietMessages messages;
  NoHost host;
  NoRandom random;
  cleanslate::SystemClock clock(real);
  const auto start = Clock::now();
  cleanslate::RunCategoryReset(cleanslate::kSalesReset,
                               cleanslate::ActionContext{env, messages, random, clock}, host);
  const double total = std::chrono::duration<double>(Clock::now() - start).count();

  // The two checksums of the walk, over as many bytes, in memory.
  std::string block(1 << 20, 'c');
  const auto sum_start = Clock::now();
  for (int pass = 0; pass < 2; ++pass) {
    common::Checksummer sum;
    for (std::uint64_t done = 0; done < split.bytes_read; done += block.size()) sum.Update(block);
    if (sum.Digest() == 42) std::cout << "";
  }
  const double checksum = std::chrono::duration<double>(Clock::now() - sum_start).count();
  const double other = total - split.read - split.write - split.sync - split.rename;
  std::printf(
      "  walk of %.0f MB: %.3f s = read %.3f + write %.3f + sync %.3f + rename %.3f + "
      "other %.3f (the checksums, %.3f s apart, among it)\n",
      split.bytes_read / 1e6, total, split.read, split.write, split.sync, split.rename, other,
      checksum);
  return 0;
}
