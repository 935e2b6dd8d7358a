#include "tag/program_info.h"

#include "tag/terminal/check_layouts_command.h"
#include "tag/terminal/tag_terminal.h"

namespace tag {

const common::ProgramInfo& TagInfo() {
  static const common::ProgramInfo info{
      "tag",
      "Tag",
      "Edits the price tag layout of a Brillora store.",
      TerminalHelp(),
      {{"--list-backups", common::ProgramOption::Argument::kNone,
        "   list the backups of \"Set all back to default\", newest first, and end"},
       {"--restore", common::ProgramOption::Argument::kOptional,
        "[NAME]  put back the files of the backup NAME (the newest when none is\n"
        "                   named) after a question; the restore can be undone in turn"},
       {kCheckLayoutsOption, common::ProgramOption::Argument::kNone, kCheckLayoutsHelp,
        /*alone=*/true}}};
  return info;
}

}  // namespace tag
