// The small line files of the initial data set: counters, the printer font
// size, the tax rate, the collection letter list and the conversion marker.
// Each writer replaces its file whole, under the letter case it already has,
// and throws FileError naming the file when it cannot; the old file then
// stays as it was and no temporary file remains.

#ifndef CLEANSLATE_SMALL_FILES_H_
#define CLEANSLATE_SMALL_FILES_H_

#include "common/platform/env.h"

namespace cleanslate {

// "prtfont.siz": the lines "8" and "10".
void WritePrinterFontSize(common::Env& env);

// "nextslip.num", then "nextck.num": the next sales slip and check numbers,
// each the whole-number line " 1 ".
void WriteSlipAndCheckCounters(common::Env& env);

// "lastbu.dat": the line "NONE".
void WriteLastBuFile(common::Env& env);

// "taxrate.dat": the line ".075".
void WriteTaxRate(common::Env& env);

// "tag.dat": the line ".".
void WriteTagFile(common::Env& env);

// "letter.dat": the collection letters "COLLECT" and "REPAIR", one a line.
void WriteLetterList(common::Env& env);

inline constexpr char kConversionMarker[] = "CONVERT.ONE";

// "CONVERT.ONE": the marker line "CONVERT.ONE COMPLEATED".
void WriteConversionMarker(common::Env& env);

}  // namespace cleanslate

#endif  // CLEANSLATE_SMALL_FILES_H_
