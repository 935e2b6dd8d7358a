#include "cleanslate/small_files.h"

#include <initializer_list>
#include <string_view>

#include "common/files/line_file.h"

namespace cleanslate {

namespace {

void WriteTextLines(common::Env& env, std::string_view name,
                    std::initializer_list<std::string_view> lines) {
  common::LineFileWriter file(env, name);
  for (std::string_view line : lines) common::WriteTextLine(file, line);
  file.Close();
}

void WriteCounter(common::Env& env, std::string_view name, int value) {
  common::LineFileWriter file(env, name);
  common::WriteNumberLine(file, value);
  file.Close();
}

}  // namespace

void WritePrinterFontSize(common::Env& env) { WriteTextLines(env, "prtfont.siz", {"8", "10"}); }

void WriteSlipAndCheckCounters(common::Env& env) {
  WriteCounter(env, "nextslip.num", 1);
  WriteCounter(env, "nextck.num", 1);
}

void WriteLastBuFile(common::Env& env) { WriteTextLines(env, "lastbu.dat", {"NONE"}); }

void WriteTaxRate(common::Env& env) { WriteTextLines(env, "taxrate.dat", {".075"}); }

void WriteTagFile(common::Env& env) { WriteTextLines(env, "tag.dat", {"."}); }

void WriteLetterList(common::Env& env) { WriteTextLines(env, "letter.dat", {"COLLECT", "REPAIR"}); }

void WriteConversionMarker(common::Env& env) {
  WriteTextLines(env, kConversionMarker, {"CONVERT.ONE COMPLEATED"});
}

}  // namespace cleanslate
