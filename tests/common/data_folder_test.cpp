// The data folder: the same folder however its path is spelled, and the
// choice between --data, the current directory and the store's folder
// asked for when a program starts in its own folder.

#include "common/app/data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "common/platform/program_paths.h"
#include "tests/support/platform.h"
#include "tests/support/temp_dir.h"

namespace common {
namespace {

using testing_support::TempDir;

const ProgramInfo kInfo{"cleanslate", "Cleanslate", "Resets the data files.", ""};

TEST(SameFolderTest, TheProgramsFolderUnderEverySpellingOfItsPath) {
  TempDir dir;
  dir.MakeDirectory("bin");
  dir.MakeDirectory("store");
  const std::string bin = dir.PathOf("bin");
  std::vector<std::string> spellings = {bin, bin + "/", bin + "/.", bin + "/../bin",
                                        dir.path() + "/store/../bin"};
  if (!testing_support::CaseSensitiveNames()) {
    std::string upper = bin;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    spellings.push_back(upper);
    std::string backslashes = bin;
    std::replace(backslashes.begin(), backslashes.end(), '/', '\\');
    spellings.push_back(backslashes);
  } else {
    std::error_code error;
    std::filesystem::create_directory_symlink(PathFromUtf8(bin), PathFromUtf8(dir.PathOf("link")),
                                              error);
    if (!error) spellings.push_back(dir.PathOf("link"));
  }
  for (const std::string& spelling : spellings) {
    EXPECT_TRUE(SameFolder(spelling, bin)) << spelling;
  }
  // Another folder, a file, and a folder that is not there are not it.
  dir.Write("file", "x");
  for (const std::string& other :
       {dir.PathOf("store"), dir.path(), dir.PathOf("file"), dir.PathOf("gone")}) {
    EXPECT_FALSE(SameFolder(other, bin)) << other;
  }
}

struct Choice {
  DataFolderChoice choice;
  std::string err;
  std::vector<std::string> asked;       // the start folder of each question
  std::vector<std::string> remembered;  // what was written
};

// A start in `current` of a program in `program`, with `remembered` read
// back and `answer` given to the folder question.
Choice Choose(StartupDecision decision, const std::string& current, const std::string& program,
              std::optional<std::string> remembered, std::optional<std::string> answer) {
  Choice result;
  DataFolderQuestion question;
  question.current = current;
  question.program_folder = program;
  question.remembered.read = [remembered] { return remembered; };
  question.remembered.write = [&result](const std::string& folder) {
    result.remembered.push_back(folder);
  };
  question.ask = [&result, answer](const std::string& start) {
    result.asked.push_back(start);
    return answer;
  };
  std::ostringstream err;
  result.choice = ChooseDataFolder(decision, kInfo, question, err);
  result.err = err.str();
  return result;
}

TEST(ChooseDataFolderTest, DataOptionAndOtherFoldersAreTakenAsGiven) {
  TempDir dir;
  dir.MakeDirectory("bin");
  dir.MakeDirectory("store");
  StartupDecision with_data;
  with_data.data_folder = dir.PathOf("store");
  // --data wins even in the program's folder, and asks nothing.
  Choice given = Choose(with_data, dir.PathOf("bin"), dir.PathOf("bin"), std::nullopt, "x");
  EXPECT_EQ(given.choice.folder, dir.PathOf("store"));
  EXPECT_FALSE(given.choice.exit_status);
  EXPECT_TRUE(given.asked.empty());
  // Any other current folder is the data folder, as it always was.
  for (const FrontEnd front_end : {FrontEnd::kWindows, FrontEnd::kTerminal}) {
    StartupDecision decision;
    decision.front_end = front_end;
    Choice other = Choose(decision, dir.PathOf("store"), dir.PathOf("bin"), std::nullopt, "x");
    EXPECT_FALSE(other.choice.folder);
    EXPECT_FALSE(other.choice.exit_status);
    EXPECT_TRUE(other.asked.empty());
  }
}

TEST(ChooseDataFolderTest, TheTerminalInTheProgramsFolderRefusesAndNamesTheOption) {
  TempDir dir;
  dir.MakeDirectory("bin");
  StartupDecision decision;
  decision.front_end = FrontEnd::kTerminal;
  Choice refused = Choose(decision, dir.PathOf("bin") + "/", dir.PathOf("bin"), std::nullopt, "x");
  EXPECT_EQ(refused.choice.exit_status, 2);
  EXPECT_FALSE(refused.choice.folder);
  EXPECT_NE(refused.err.find("--data"), std::string::npos) << refused.err;
  EXPECT_TRUE(refused.asked.empty());
}

TEST(ChooseDataFolderTest, TheWindowsAskOnceAndRememberTheAnswer) {
  TempDir dir;
  dir.MakeDirectory("bin");
  dir.MakeDirectory("store");
  const std::string bin = dir.PathOf("bin");
  const std::string store = dir.PathOf("store");
  const StartupDecision windows;

  // Nothing remembered: asked, taken and remembered.
  Choice first = Choose(windows, bin, bin, std::nullopt, store);
  EXPECT_EQ(first.asked, std::vector<std::string>{""});
  EXPECT_EQ(first.choice.folder, store);
  EXPECT_EQ(first.remembered, std::vector<std::string>{store});

  // Remembered and still there: taken without a question.
  Choice next = Choose(windows, bin, bin, store, std::nullopt);
  EXPECT_TRUE(next.asked.empty());
  EXPECT_EQ(next.choice.folder, store);

  // Remembered but gone, or the program's own folder: asked again from it.
  Choice gone = Choose(windows, bin, bin, dir.PathOf("gone"), store);
  EXPECT_EQ(gone.asked, std::vector<std::string>{dir.PathOf("gone")});
  EXPECT_EQ(gone.choice.folder, store);
  Choice own = Choose(windows, bin, bin, bin, store);
  EXPECT_EQ(own.asked.size(), 1u);

  // Cancelled: the program ends as designed, nothing remembered.
  Choice cancelled = Choose(windows, bin, bin, std::nullopt, std::nullopt);
  EXPECT_EQ(cancelled.choice.exit_status, 0);
  EXPECT_TRUE(cancelled.remembered.empty());

  // The program's own folder chosen again is refused, not remembered.
  Choice same = Choose(windows, bin, bin, std::nullopt, bin + "/");
  EXPECT_EQ(same.choice.exit_status, 2);
  EXPECT_TRUE(same.remembered.empty());
}

TEST(ChooseDataFolderTest, EnteringAFolderThatIsNotThereSaysSoAndStaysPut) {
  TempDir dir;
  const std::filesystem::path before = std::filesystem::current_path();
  std::ostringstream err;
  EXPECT_FALSE(EnterDataFolder(dir.PathOf("gone"), kInfo, err));
  EXPECT_NE(err.str().find("gone"), std::string::npos) << err.str();
  EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST(StartupDataOptionTest, TheFolderAfterDataIsKeptAndOneIsNeeded) {
  std::ostringstream out, err;
  const auto display = [] { return DisplayStatus{true, ""}; };
  const StartupDecision decision =
      DecideStartup({"--data", "--odd name", "--terminal"}, kInfo, display, out, err);
  EXPECT_FALSE(decision.exit_status);
  EXPECT_EQ(decision.data_folder, "--odd name");
  EXPECT_EQ(decision.front_end, FrontEnd::kTerminal);
  const StartupDecision missing = DecideStartup({"--data"}, kInfo, display, out, err);
  EXPECT_EQ(missing.exit_status, 2);
  EXPECT_NE(err.str().find("--data needs a folder"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace common
