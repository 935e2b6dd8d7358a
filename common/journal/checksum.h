// Checksums of the originals a backup keeps: CRC-32 (zlib's), over the
// whole file, so a restore can tell that it brings back the exact bytes.

#ifndef COMMON_JOURNAL_CHECKSUM_H_
#define COMMON_JOURNAL_CHECKSUM_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "common/platform/env.h"

namespace common {

// The CRC-32 of `data` continued from `crc` (0 to start).
std::uint32_t Crc32(std::uint32_t crc, std::string_view data);

// The CRC-32 of the ordinary file `path`, read from its start to its end.
// Throws FileError.
std::uint32_t FileCrc32(Env& env, const std::string& path);

// Eight lower-case hexadecimal digits.
std::string ChecksumText(std::uint32_t crc);

}  // namespace common

#endif  // COMMON_JOURNAL_CHECKSUM_H_
