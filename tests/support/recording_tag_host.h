// RecordingTagHost: a RecordingHost for the windows of Tag, recording as
// well "focus to change box", "show department window" and "close
// department window".

#ifndef TESTS_SUPPORT_RECORDING_TAG_HOST_H_
#define TESTS_SUPPORT_RECORDING_TAG_HOST_H_

#include "tag/change_order.h"
#include "tag/tag_window_host.h"
#include "tests/support/recording_host.h"

namespace testing_support {

class RecordingTagHost : public RecordingHostOf<tag::TagWindowHost> {
 public:
  void MoveFocusToChangeBox() override { calls.push_back("focus to change box"); }
  void ShowChangeOrder(tag::ChangeOrder& window) override {
    calls.push_back("show department window");
    shown = &window;
  }
  void CloseChangeOrder() override { calls.push_back("close department window"); }

  tag::ChangeOrder* shown = nullptr;
};

}  // namespace testing_support

#endif  // TESTS_SUPPORT_RECORDING_TAG_HOST_H_
