#include "tag/terminal/check_layouts_command.h"

#include "tag/layout_check.h"

namespace tag {

const char kCheckLayoutsHelp[] =
    "  print every item of invent.dat whose fields its department's\n"
    "                   layout (its own file or DEFAULT) would cut, or whose parts would\n"
    "                   run into the next part's column, then the counts per department,\n"
    "                   and end; writes nothing. Blank items and items of vendor 999 are\n"
    "                   not checked.";

int RunCheckLayouts(common::Env& env, const common::ProgramInfo& info, std::ostream& out,
                    std::ostream& err) {
  return common::RunReportingErrors(info, out, err, [&] {
    CheckLayouts(env, out);
    return 0;
  });
}

}  // namespace tag
