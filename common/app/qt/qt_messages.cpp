#include "common/app/qt/qt_messages.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "common/platform/windows1252.h"

namespace common {

namespace {

QMessageBox::StandardButton ToStandard(Answer answer) {
  switch (answer) {
    case Answer::kOk:
      return QMessageBox::Ok;
    case Answer::kYes:
      return QMessageBox::Yes;
    case Answer::kNo:
      return QMessageBox::No;
    case Answer::kCancel:
      return QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// A short message ("FINISHED") still gets a box wide enough to read and to
// hold its title: about forty average characters. The room is an empty row
// of the box's own grid, so a long message still wraps as the box decides.
void GiveReadableWidth(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  const int width = 40 * box.fontMetrics().averageCharWidth();
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

QString FromWindows1252(const std::string& text) {
  return QString::fromStdString(Windows1252ToUtf8(text));
}

std::string ToWindows1252(const QString& text) { return Utf8ToWindows1252(text.toStdString()); }

Answer QtMessages::Show(const Message& message) {
  QMessageBox box(parent_ ? parent_() : nullptr);
  box.setObjectName("message");
  box.setWindowTitle(title_);
  box.setTextFormat(Qt::PlainText);
  box.setText(FromWindows1252(WithLineFeeds(message.text)));
  box.setIcon(message.icon == Icon::kQuestion ? QMessageBox::Question : QMessageBox::NoIcon);
  switch (message.buttons) {
    case Buttons::kOk:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::kYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Buttons::kYesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  box.setDefaultButton(ToStandard(message.default_button));
  box.setEscapeButton(ToStandard(AnswerWhenClosed(message.buttons)));
  GiveReadableWidth(box);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == nullptr) return AnswerWhenClosed(message.buttons);
  switch (box.standardButton(clicked)) {
    case QMessageBox::Ok:
      return Answer::kOk;
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    case QMessageBox::Cancel:
      return Answer::kCancel;
    default:
      return AnswerWhenClosed(message.buttons);
  }
}

void ShowFatalError(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
  box.setObjectName("error");
  box.setTextFormat(Qt::PlainText);
  GiveReadableWidth(box);
  box.exec();
}

}  // namespace common
