#include "cleanslate/program_info.h"

#include <string>

#include "common/platform/display.h"

namespace cleanslate {

const common::ProgramInfo& CleanslateInfo() {
  static const common::ProgramInfo info{
      "cleanslate",
      "Cleanslate",
      "Resets the data files of a Brillora store.",
      "Terminal commands:\n"
      "  A locked program (a file nozero.dat is present) says so and ends.\n"
      "  Otherwise it first asks whether to go on: y (yes) or n (no); an empty\n"
      "  line takes the default, shown in capitals ([y/N]).\n"
      "  Then the choice list prints its fourteen lines numbered 1 to 14:\n"
      "    <number>     picks that line (1 \"Zero sales files\" ... 14 \"Don't zero\n"
      "                 anything\"); every line asks what it asks, does its work\n"
      "                 and ends the program; another number is answered \"not\n"
      "                 programmed yet\" and the list is offered again\n"
      "    end of input (" +
          std::string(common::EndOfInputKeys()) +
          ") closes the window: the program ends and\n"
          "                 no file is touched\n"
          "  Any other text is refused and the question asked again. Messages with\n"
          "  only OK wait for Enter; a category question takes y, n or c (cancel).\n"
          "  Example, resetting the budget files by script:\n"
          "    printf 'y\\n8\\ny\\n\\n' | cleanslate --terminal\n"
          "Every choice keeps the files it changes in a backup folder of\n"
          "\"cleanslate-backups\" (the newest five of each choice), and happens whole\n"
          "or not at all: after a failure, or at the next start after a crash,\n"
          "every file is put back as it was.\n",
      {{"--list-backups", common::ProgramOption::Argument::kNone,
        "   list the backups, newest first, and end"},
       {"--restore", common::ProgramOption::Argument::kOptional,
        "[NAME]  put back the files of the backup NAME (the newest when none is\n"
        "                   named) after a question; the restore can be undone in turn"},
       {"--plan", common::ProgramOption::Argument::kRequired,
        "N       print what choice N of the list would delete, rewrite or create,\n"
        "                   and change nothing"}}};
  return info;
}

}  // namespace cleanslate
