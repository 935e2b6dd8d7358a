#include "tag/terminal/check_layouts_command.h"

#include "tag/layout_check.h"

namespace tag {

const char kCheckLayoutsHelp[] =
    "\nChecking every item:\n"
    "  tag --check-layouts\n"
    "           prints every item of invent.dat whose fields its department's layout\n"
    "           (its own file or DEFAULT) would cut, or whose parts would run into\n"
    "           the next part's column, then the counts per department; writes\n"
    "           nothing. Blank items and items of vendor 999 are not checked.\n";

int RunCheckLayouts(common::Env& env, const std::vector<std::string>& args,
                    const common::ProgramInfo& info, std::ostream& out, std::ostream& err) {
  if (args.size() != 1 || args.front() != kCheckLayoutsOption) {
    err << info.command << ": " << kCheckLayoutsOption << " takes no other argument\n"
        << "Try '" << info.command << " --help'.\n";
    return 2;
  }
  return common::RunReportingErrors(info, out, err, [&] {
    CheckLayouts(env, out);
    return 0;
  });
}

}  // namespace tag
