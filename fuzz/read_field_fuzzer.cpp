// ReadField over any line file: it always ends, with a FileError naming the
// file once no field is left. And lines written with WriteTextLine read back
// as written: plain lines that ReadField can hold (no comma, quote or line
// end, no leading blank), and lines of any such text in double quotes.

#include "common/files/line_file.h"
#include "common/platform/file_error.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr char kName[] = "fields.pt";

bool PlainField(const std::string& text) {
  return !text.empty() && text[0] != ' ' && text[0] != '\t' &&
         text.find_first_of(",\"\r\n") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  {
    testing_support::MemoryEnv env;
    env.Write(kName, std::string(text));
    common::LineFileReader file(env, kName);
    std::size_t fields = 0;
    try {
      for (;;) {
        const std::string field = common::ReadField(file);
        FUZZ_CHECK(++fields <= size);
      }
    } catch (const common::FileError& error) {
      FUZZ_CHECK(error.file() == kName);
    }
  }

  // Write then read.
  testing_support::MemoryEnv env;
  const fuzz::Snapshot before = env.Snapshot();
  std::vector<std::string> expected;
  common::LineFileWriter writer(env, kName);
  for (const std::string& part : fuzz::Split(text, '\n', 64)) {
    if (PlainField(part)) {
      common::WriteTextLine(writer, part);
      expected.push_back(part);
    } else if (part.find('"') == std::string::npos) {
      common::WriteTextLine(writer, "\"" + part + "\"");
      expected.push_back(part);
    }
  }
  writer.Close();
  const fuzz::Snapshot after = env.Snapshot();
  FUZZ_CHECK(fuzz::NoNewHiddenEntry(before, after));
  FUZZ_CHECK(env.Names() == std::vector<std::string>{kName});
  common::LineFileReader file(env, kName);
  for (const std::string& want : expected) FUZZ_CHECK(common::ReadField(file) == want);
  return 0;
}
