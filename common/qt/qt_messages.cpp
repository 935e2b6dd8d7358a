#include "common/qt/qt_messages.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "common/windows1252.h"

namespace common {

namespace {

QMessageBox::StandardButton ToStandard(Answer answer) {
  switch (answer) {
    case Answer::kOk: return QMessageBox::Ok;
    case Answer::kYes: return QMessageBox::Yes;
    case Answer::kNo: return QMessageBox::No;
    case Answer::kCancel: return QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
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
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == nullptr) return AnswerWhenClosed(message.buttons);
  switch (box.standardButton(clicked)) {
    case QMessageBox::Ok: return Answer::kOk;
    case QMessageBox::Yes: return Answer::kYes;
    case QMessageBox::No: return Answer::kNo;
    case QMessageBox::Cancel: return Answer::kCancel;
    default: return AnswerWhenClosed(message.buttons);
  }
}

void ShowFatalError(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
  box.setObjectName("error");
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace common
