// RecordingHost: the front end of a window logic test. It records what the
// logic asks of it, in order ("events", "busy", "normal", "end"), and leaves
// the answering to the test. RecordingHostOf<Base> records the common
// requests for the host interface of a program that asks more.

#ifndef TESTS_SUPPORT_RECORDING_HOST_H_
#define TESTS_SUPPORT_RECORDING_HOST_H_

#include <string>
#include <vector>

#include "common/app/window_host.h"

namespace testing_support {

template <typename Base>
class RecordingHostOf : public Base {
 public:
  void ProcessPendingEvents() override { calls.push_back("events"); }
  void SetBusyPointer(bool on) override {
    busy = on;
    calls.push_back(on ? "busy" : "normal");
  }
  void EndProgram() override {
    ++ends;
    calls.push_back("end");
  }
  bool ended() const { return ends > 0; }

  std::vector<std::string> calls;
  bool busy = false;
  int ends = 0;
};

using RecordingHost = RecordingHostOf<common::WindowHost>;

}  // namespace testing_support

#endif  // TESTS_SUPPORT_RECORDING_HOST_H_
