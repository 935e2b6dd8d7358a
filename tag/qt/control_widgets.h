// The widgets of the labels and buttons that both Tag windows build from
// their controls, named after the control so tests can find them.

#ifndef TAG_QT_CONTROL_WIDGETS_H_
#define TAG_QT_CONTROL_WIDGETS_H_

class QLabel;
class QPushButton;
class QWidget;

namespace tag {

struct Button;
struct Label;

// A word-wrapping label showing the control's caption.
QLabel* MakeLabel(const Label& label, const char* name, QWidget* parent);

// A button showing the control's caption. It takes the focus when clicked,
// so a text box loses it (and stores what was typed) before the button's
// action runs, and it is never the default button of the window.
QPushButton* MakeButton(const Button& button, const char* name, QWidget* parent);

}  // namespace tag

#endif  // TAG_QT_CONTROL_WIDGETS_H_
