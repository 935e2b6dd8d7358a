// The widgets of the labels and buttons that both Tag windows build from
// their controls, named after the control so tests can find them.

#ifndef TAG_QT_CONTROL_WIDGETS_H_
#define TAG_QT_CONTROL_WIDGETS_H_

#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

namespace common {
struct Button;
struct Label;
}  // namespace common

namespace tag {

// A word-wrapping label showing the control's caption.
QLabel* MakeLabel(const common::Label& label, const char* name, QWidget* parent);

// A button showing the control's caption, with Alt+`key` as its shortcut
// (the first `key` of the caption is underlined). It takes the focus when
// clicked, so a text box loses it (and stores what was typed) before the
// button's action runs; Enter presses it while it has the focus.
QPushButton* MakeButton(const common::Button& button, const char* name, char key, QWidget* parent);

// The window flags of a window that formTags owns: a dialog to the window
// manager, which keeps it in front of its owner (its transient parent),
// with the usual buttons of a window.
Qt::WindowFlags OwnedWindowFlags();

// Gives `window` the least size that shows its contents whole: the least
// width its layout allows, and the height its contents take at that width
// (a layout's own minimum counts a word-wrapped label as one line).
void KeepContentsWhole(QWidget& window);

// `caption` with the mnemonic mark before its first `key`; unchanged when
// it holds no `key`.
QString WithMnemonic(const QString& caption, char key);

}  // namespace tag

#endif  // TAG_QT_CONTROL_WIDGETS_H_
