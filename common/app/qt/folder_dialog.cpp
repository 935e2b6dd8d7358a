#include "common/app/qt/folder_dialog.h"

#include <QApplication>
#include <QFileDialog>

namespace common {

std::optional<std::string> AskDataFolderQt(int argc, char** argv, const std::string& start) {
  QApplication application(argc, argv);
  const QString folder = QFileDialog::getExistingDirectory(
      nullptr, QString::fromUtf8(kDataFolderQuestion), QString::fromStdString(start));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

}  // namespace common
