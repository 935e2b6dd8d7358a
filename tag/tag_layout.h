// The tag layout: the print columns of the eight text positions A to H, the
// font size and the number of tags across, as the editor holds them while it
// runs, and the layout file "tagsize.dat" that keeps them.
//
// The file is a line file of ten lines: positions A to H, the font size and
// the number across, each a whole number line (" 7 " CR LF), the font size
// with its shortest decimal form (" 7.5 " CR LF). Two older forms are read as
// well: eight lines (A to F, font size, number across) and seven lines (A to
// F, font size; three across).

#ifndef TAG_TAG_LAYOUT_H_
#define TAG_TAG_LAYOUT_H_

#include <array>
#include <cstdint>
#include <string>

#include "common/platform/env.h"

namespace tag {

inline constexpr char kTagFile[] = "tagsize.dat";

// The settings by their line number, the same in the layout file (lines 1
// to 10 of the long form) and in the editor's settings list, whose line 0
// is its heading. Positions A to H are lines 1 to 8, and `tabpos` keeps
// each under its line number.
enum SettingLine : int {
  kHeadingLine = 0,
  kFirstPositionLine = 1,  // position A
  kLastPositionLine = 8,   // position H
  kFontSizeLine = 9,
  kNumberAcrossLine = 10,
};
inline constexpr int kPositionCount = kLastPositionLine;
inline constexpr int kSettingLineCount = kNumberAcrossLine + 1;
// Each tag across has two positions: A and B the first tag, ... G and H the
// fourth.
inline constexpr int kMostAcross = kPositionCount / 2;
// The older forms hold positions A to F only.
inline constexpr int kShortFormPositions = 6;

struct TagLayout {
  // Indexes 1 to 8 hold positions A to H; 0 and 9 to 12 are never set (a
  // number across up to 6 can compare slots up to 12).
  std::array<std::int16_t, 13> tabpos{};
  float fontsize = 0;
  std::int16_t numacross = 0;
  std::string tagfile;
};

// Reads `layout.tagfile` into `layout` (positions 1 to 8, font size, number
// across), repairing positions that decrease: B to F below their
// predecessor become it plus 5, G below F becomes F plus 20, H below G
// becomes G plus 5; equal values stay. Numbers saturate at the 16-bit
// limits. In the seven- and eight-line forms G and H keep what they held. A
// file that ends before its form is complete is read as far as it goes; the
// values it does not reach keep what they held. Throws common::FileError
// when the file cannot be opened or read.
void ReadLayout(common::Env& env, TagLayout& layout);

// Replaces `layout.tagfile` with the ten lines of `layout`.
void WriteLayout(common::Env& env, const TagLayout& layout);

// The layout of a layout file created from nothing: positions A to H, the
// font size and the number across.
inline constexpr std::array<std::int16_t, kPositionCount> kDefaultPositions{7,  29,  45,  68,
                                                                            83, 106, 130, 140};
inline constexpr std::int16_t kDefaultFontSize = 8;
inline constexpr std::int16_t kDefaultNumberAcross = 3;

// The default layout above, kept in `tagfile`.
TagLayout DefaultLayout(const std::string& tagfile);

// Replaces `name` with the default layout, each value a whole number line.
void WriteDefaultLayout(common::Env& env, const std::string& name);

// A number as the font size holds it: single precision, kept inside the
// largest finite values.
float ToFontSize(double value);

}  // namespace tag

#endif  // TAG_TAG_LAYOUT_H_
