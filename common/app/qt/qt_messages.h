// QtMessages: messages as modal message boxes titled with the program's name,
// centred on the window that raised them.

#ifndef COMMON_APP_QT_QT_MESSAGES_H_
#define COMMON_APP_QT_QT_MESSAGES_H_

#include <QString>
#include <functional>

#include "common/app/messages.h"

class QWidget;

namespace common {

class QtMessages : public Messages {
 public:
  // `parent` gives the window the box belongs to and is centred on (it may
  // give null: the box is then centred on the screen).
  QtMessages(QString title, std::function<QWidget*()> parent)
      : title_(std::move(title)), parent_(std::move(parent)) {}

 protected:
  Answer Show(const Message& message) override;

 private:
  QString title_;
  std::function<QWidget*()> parent_;
};

// Windows-1252 text from the data files as a QString, and back.
QString FromWindows1252(const std::string& text);
std::string ToWindows1252(const QString& text);

// Shows the error that ends the program, centred on `parent` (may be null).
void ShowFatalError(QWidget* parent, const QString& title, const QString& text);

}  // namespace common

#endif  // COMMON_APP_QT_QT_MESSAGES_H_
