// Checksums of the files a backup keeps, so that nothing damaged is ever put
// back. New backups use XXH3 (64 bits), fast enough to be taken as the bytes
// go by; backups written before it use CRC-32. A manifest names the kind its
// checksums are of.

#ifndef COMMON_JOURNAL_CHECKSUM_H_
#define COMMON_JOURNAL_CHECKSUM_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/platform/env.h"

namespace common {

enum class ChecksumKind { kXxh3, kCrc32 };

// "xxh3", "crc32": the words of a manifest.
const char* ChecksumKindName(ChecksumKind kind);
std::optional<ChecksumKind> ChecksumKindNamed(std::string_view name);

// A checksum taken over bytes given in any number of pieces.
class Checksummer {
 public:
  explicit Checksummer(ChecksumKind kind = ChecksumKind::kXxh3);
  ~Checksummer();
  Checksummer(Checksummer&&) noexcept;
  Checksummer& operator=(Checksummer&&) noexcept;

  void Update(std::string_view bytes);
  // The checksum of every byte given so far.
  std::uint64_t Digest() const;

 private:
  struct State;
  ChecksumKind kind_;
  std::unique_ptr<State> state_;
  std::uint32_t crc_ = 0;
};

// The checksum of `bytes` at once.
std::uint64_t ChecksumOf(std::string_view bytes, ChecksumKind kind = ChecksumKind::kXxh3);

// Size and checksum of the ordinary file `path`, read from its start to its
// end. Throws FileError.
struct FileSum {
  std::uint64_t size = 0;
  std::uint64_t checksum = 0;
};
FileSum FileChecksum(Env& env, const std::string& path, ChecksumKind kind = ChecksumKind::kXxh3);

// Lower-case hexadecimal digits: sixteen for XXH3, eight for CRC-32.
std::string ChecksumText(std::uint64_t checksum, ChecksumKind kind = ChecksumKind::kXxh3);
// The checksum `text` spells in that form; nothing when it spells none.
std::optional<std::uint64_t> ParseChecksum(std::string_view text, ChecksumKind kind);

}  // namespace common

#endif  // COMMON_JOURNAL_CHECKSUM_H_
