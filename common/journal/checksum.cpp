#include "common/journal/checksum.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <new>

#define XXH_INLINE_ALL
#include "xxhash.h"

namespace common {

namespace {

// The table of the reflected CRC-32 polynomial 0xEDB88320, the CRC of zip
// files and of zlib.
constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

std::uint32_t Crc32(std::uint32_t crc, std::string_view bytes) {
  crc = ~crc;
  for (const char byte : bytes) {
    crc = kCrcTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
  }
  return ~crc;
}

}  // namespace

struct Checksummer::State {
  XXH3_state_t xxh;
};

const char* ChecksumKindName(ChecksumKind kind) {
  return kind == ChecksumKind::kXxh3 ? "xxh3" : "crc32";
}

std::optional<ChecksumKind> ChecksumKindNamed(std::string_view name) {
  if (name == "xxh3") return ChecksumKind::kXxh3;
  if (name == "crc32") return ChecksumKind::kCrc32;
  return std::nullopt;
}

Checksummer::Checksummer(ChecksumKind kind) : kind_(kind) {
  if (kind_ == ChecksumKind::kXxh3) {
    // XXH3's state wants 64-byte alignment, which operator new gives here.
    state_.reset(new (std::align_val_t{64}) State);
    XXH3_64bits_reset(&state_->xxh);
  }
}

Checksummer::~Checksummer() = default;
Checksummer::Checksummer(Checksummer&&) noexcept = default;
Checksummer& Checksummer::operator=(Checksummer&&) noexcept = default;

void Checksummer::Update(std::string_view bytes) {
  if (kind_ == ChecksumKind::kXxh3) {
    XXH3_64bits_update(&state_->xxh, bytes.data(), bytes.size());
  } else {
    crc_ = Crc32(crc_, bytes);
  }
}

std::uint64_t Checksummer::Digest() const {
  return kind_ == ChecksumKind::kXxh3 ? XXH3_64bits_digest(&state_->xxh) : crc_;
}

std::uint64_t ChecksumOf(std::string_view bytes, ChecksumKind kind) {
  if (kind == ChecksumKind::kXxh3) return XXH3_64bits(bytes.data(), bytes.size());
  return Crc32(0, bytes);
}

FileSum FileChecksum(Env& env, const std::string& path, ChecksumKind kind) {
  const std::unique_ptr<SequentialFile> file = env.OpenForReading(path);
  // Left uninitialised: a backup may hold thousands of small files.
  constexpr std::size_t kBuffer = 256 << 10;
  const std::unique_ptr<char[]> buffer(new char[kBuffer]);
  Checksummer sum(kind);
  FileSum result;
  for (;;) {
    const std::size_t got = file->Read(buffer.get(), kBuffer);
    if (got == 0) break;
    sum.Update(std::string_view(buffer.get(), got));
    result.size += got;
  }
  result.checksum = sum.Digest();
  return result;
}

std::string ChecksumText(std::uint64_t checksum, ChecksumKind kind) {
  char text[17];
  if (kind == ChecksumKind::kXxh3) {
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(checksum));
  } else {
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(checksum & 0xFFFFFFFFu));
  }
  return text;
}

std::optional<std::uint64_t> ParseChecksum(std::string_view text, ChecksumKind kind) {
  const std::size_t digits = kind == ChecksumKind::kXxh3 ? 16 : 8;
  if (text.size() != digits) return std::nullopt;
  for (const char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
  }
  std::uint64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return value;
}

}  // namespace common
