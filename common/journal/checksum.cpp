#include "common/journal/checksum.h"

#include <zlib.h>

#include <cstdio>
#include <memory>

namespace common {

std::uint32_t Crc32(std::uint32_t crc, std::string_view data) {
  return static_cast<std::uint32_t>(
      crc32_z(crc, reinterpret_cast<const Bytef*>(data.data()), data.size()));
}

std::uint32_t FileCrc32(Env& env, const std::string& path) {
  const std::unique_ptr<SequentialFile> file = env.OpenForReading(path);
  std::string buffer(1 << 20, '\0');
  std::uint32_t crc = 0;
  for (;;) {
    const std::size_t got = file->Read(buffer.data(), buffer.size());
    if (got == 0) return crc;
    crc = Crc32(crc, std::string_view(buffer.data(), got));
  }
}

std::string ChecksumText(std::uint32_t crc) {
  char text[9];
  std::snprintf(text, sizeof text, "%08x", crc);
  return text;
}

}  // namespace common
