#include "common/platform/paths.h"

#include <gtest/gtest.h>

#include "common/platform/windows1252.h"

namespace common {
namespace {

// Whether this build follows the Windows rules: a backslash separates.
const bool kWindowsRules = IsPathSeparator('\\');

TEST(PathsTest, SplitKeepsARootsSeparatorAndJoinAddsOneOnlyWhenMissing) {
  struct Case {
    const char* path;
    const char* dir;
    const char* base;
  };
  const Case cases[] = {
      {"cust.dat", "", "cust.dat"},
      {"sub/cust.dat", "sub", "cust.dat"},
      {"/cust.dat", "/", "cust.dat"},
      {"a/b/c.pt", "a/b", "c.pt"},
      {"sub/", "sub", ""},
  };
  for (const Case& c : cases) {
    const PathParts parts = SplitPath(c.path);
    EXPECT_EQ(parts.dir, c.dir) << c.path;
    EXPECT_EQ(parts.base, c.base) << c.path;
    EXPECT_EQ(DirectoryOf(c.path), c.dir) << c.path;
    EXPECT_EQ(BaseName(c.path), c.base) << c.path;
  }
  EXPECT_EQ(JoinPath("", "x.dat"), "x.dat");
  EXPECT_EQ(JoinPath("sub", "x.dat"), "sub/x.dat");
  EXPECT_EQ(JoinPath("/", "x.dat"), "/x.dat");
  EXPECT_TRUE(IsAbsolutePath("/srv/data"));
  EXPECT_FALSE(IsAbsolutePath("data/cust.dat"));
  EXPECT_FALSE(IsAbsolutePath(""));
}

TEST(PathsTest, BackslashesAndDrivesFollowThePlatform) {
  const PathParts followup = SplitPath("c:\\followup.pt");
  const std::optional<std::string> on_drive = PathOnDrive('c', "followup.pt");
  if (kWindowsRules) {
    EXPECT_EQ(followup.dir, "c:\\");
    EXPECT_EQ(followup.base, "followup.pt");
    EXPECT_EQ(JoinPath("c:\\", "x"), "c:\\x");
    EXPECT_EQ(SplitPath("data\\sub\\x.dat").dir, "data\\sub");
    EXPECT_TRUE(IsAbsolutePath("c:\\followup.pt"));
    EXPECT_TRUE(IsAbsolutePath("\\\\server\\share"));
    EXPECT_EQ(on_drive, std::optional<std::string>("c:\\followup.pt"));
  } else {
    // A backslash is an ordinary character of a name here, and there are no
    // drives, so no file on one.
    EXPECT_EQ(followup.dir, "");
    EXPECT_EQ(followup.base, "c:\\followup.pt");
    EXPECT_FALSE(HasFolderPart("c:\\followup.pt"));
    EXPECT_FALSE(IsAbsolutePath("c:\\followup.pt"));
    EXPECT_EQ(on_drive, std::nullopt);
  }
}

TEST(Windows1252WideTest, EveryByteGoesToItsUnitAndBack) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  const std::wstring wide = Windows1252ToWide(all);
  ASSERT_EQ(wide.size(), all.size());
  EXPECT_EQ(wide[0xE9 - 1], L'\u00E9');  // e acute
  EXPECT_EQ(wide[0x80 - 1], L'\u20AC');  // the euro sign
  EXPECT_EQ(wide[0x81 - 1], L'\u0081');  // undefined: the control character
  std::string back;
  EXPECT_TRUE(WideToWindows1252(wide, back));
  EXPECT_EQ(back, all);
  // Greek omega has no Windows-1252 form.
  EXPECT_FALSE(WideToWindows1252(L"\u03A9.dat", back));
  EXPECT_EQ(back, "?.dat");
  EXPECT_TRUE(WideToWindows1252(L"?.dat", back));
}

}  // namespace
}  // namespace common
