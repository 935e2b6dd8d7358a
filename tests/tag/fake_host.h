// FakeHost: the front end of a window logic test. It records what the logic
// asks for, in order, and leaves the answering to the test.

#ifndef TESTS_TAG_FAKE_HOST_H_
#define TESTS_TAG_FAKE_HOST_H_

#include <string>
#include <vector>

#include "tag/change_order.h"
#include "tag/tag_window_host.h"

namespace tag {

class FakeHost : public TagWindowHost {
 public:
  void ProcessPendingEvents() override { requests.push_back("pending events"); }
  void SetBusyPointer(bool busy) override { requests.push_back(busy ? "busy" : "not busy"); }
  void EndProgram() override { requests.push_back("end"); }
  void MoveFocusToChangeBox() override { requests.push_back("focus to change box"); }
  void ShowChangeOrder(ChangeOrder& window) override {
    requests.push_back("show department window");
    shown = &window;
  }
  void CloseChangeOrder() override { requests.push_back("close department window"); }

  std::vector<std::string> requests;
  ChangeOrder* shown = nullptr;
};

}  // namespace tag

#endif  // TESTS_TAG_FAKE_HOST_H_
