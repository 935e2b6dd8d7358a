#include "cleanslate/program_info.h"

namespace cleanslate {

const common::ProgramInfo& CleanslateInfo() {
  static const common::ProgramInfo info{
      "cleanslate", "Cleanslate", "Resets the data files of a Brillora store.",
      "Terminal commands:\n"
      "  First the two safety questions: answer y (yes) or n (no); an empty line\n"
      "  takes the default, shown in capitals ([y/N]).\n"
      "  Then the choice list prints its fourteen lines numbered 1 to 14:\n"
      "    <number>     pick that line (1 \"Zero sales files\" ... 14 \"Don't zero\n"
      "                 anything\"); every pick asks what its line asks, does it\n"
      "                 and ends the program\n"
      "    end of input (Ctrl+D) closes the window: the program ends and no file\n"
      "                 is touched\n"
      "  Messages with only OK wait for Enter. A category question takes y, n or\n"
      "  c (cancel).\n"
      "  Example, resetting the budget files by script:\n"
      "    printf 'y\\n8\\ny\\n\\n' | cleanslate --terminal\n"};
  return info;
}

}  // namespace cleanslate
