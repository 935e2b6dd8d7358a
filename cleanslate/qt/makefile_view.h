// The Qt view of the window "makefile": the caption, the heading button
// Command1 with the data directory under it, the choice list List1 and a
// background picture painted here. It draws the state of MakefileWindow and
// turns a pick (one click, or the arrow keys and Enter) into List1_Click.
// Every event procedure runs guarded by the host.

#ifndef CLEANSLATE_QT_MAKEFILE_VIEW_H_
#define CLEANSLATE_QT_MAKEFILE_VIEW_H_

#include <QWidget>
#include <functional>
#include <string>

#include "cleanslate/action_context.h"
#include "cleanslate/makefile_window.h"
#include "common/app/qt/qt_window_host.h"

class QLabel;
class QPushButton;

namespace common {
class ListBoxWidget;
class PathLabel;
}  // namespace common

namespace cleanslate {

class MakefileView : public QWidget, private common::WindowHost {
 public:
  MakefileView(const ActionContext& context, common::QtWindowHost& host,
               const std::string& data_directory, QWidget* parent = nullptr);

  // Runs Form_Load. The window shows itself when the logic shows it; when a
  // gate ends the program it never appears (see host.ended()).
  void Load();

  const MakefileWindow& window() const { return window_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The WindowHost the logic sees: the view draws the state before every
  // repaint, and hands everything else to the real host.
  void ProcessPendingEvents() override;
  void SetBusyPointer(bool busy) override;
  void EndProgram() override;

  void Pick(int row);
  void RunProcedure(const std::function<void()>& procedure);
  void Render();

  common::QtWindowHost& host_;
  MakefileWindow window_;
  QPushButton* heading_;
  common::PathLabel* data_directory_;
  common::ListBoxWidget* list_;
  bool running_ = false;
};

}  // namespace cleanslate

#endif  // CLEANSLATE_QT_MAKEFILE_VIEW_H_
