// Tag's windows on the screen sizes of the stores (the test runs once per
// size: 1280x720, 1366x768, 1920x1080), driven by the keyboard alone, with a
// data directory path long enough to push a window off a small screen.

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <sstream>

#include "common/platform/default_env.h"
#include "tag/qt/change_order_view.h"
#include "tag/qt/form_tags_view.h"
#include "tag/qt/tag_preview_view.h"
#include "tag/qt/tag_qt_app.h"
#include "tests/support/box_answerer.h"
#include "tests/support/temp_dir.h"
#include "tests/tag/dept_fixture.h"
#include "tests/tag/item_fixture.h"

namespace {

using testing_support::BoxAnswerer;

const common::ProgramInfo kInfo{"tag", "Tag", "", ""};

// 209 characters, as a store's network share can name its data folder.
std::string LongPath() {
  std::string path = "/mnt/store-server/Brillora";
  while (path.size() < 209) path += "/Back office data folder";
  path.resize(209);
  return path;
}

}  // namespace

class TagScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void KeyboardAloneReachesAndStoresEverySetting();
  void TheDepartmentWindowFitsWithNothingOverlapping();
  void ThePreviewIsDrawnToScaleAndKeepsItsSize();
  void TheLayoutWindowFitsAndShortensTheLongPath();

 private:
  template <typename T>
  T* Find(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", name);
    return widget;
  }
  QWidget* form() { return app_->form_view(); }
  void Activate(QWidget* window) {
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
  }
  QWidget* OpenDepartmentWindow() {
    // A button's Alt key presses it a moment later, as a click would.
    QTest::keyClick(form(), Qt::Key_O, Qt::AltModifier);
    QWidget* order = nullptr;
    if (!QTest::qWaitFor([&] {
          order = app_->change_order_view();
          return order != nullptr && QApplication::activeWindow() == order;
        })) {
      qFatal("no active department window");
    }
    return order;
  }
  // The window is on the screen with room for a window manager's title bar,
  // which is taller than the offscreen platform's frame.
  static void ExpectOnScreen(QWidget* window) {
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    QVERIFY2(screen.contains(frame) && frame.height() + kTitleBar <= screen.height(),
             qPrintable(QString("%1 at %2,%3 %4x%5")
                            .arg(window->objectName())
                            .arg(frame.x())
                            .arg(frame.y())
                            .arg(frame.width())
                            .arg(frame.height())));
  }
  // No control of the window stands on another, and no wrapped text is cut.
  static void ExpectWhole(QWidget* window) {
    const QList<QWidget*> all = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QList<QWidget*> shown;
    for (QWidget* child : all) {
      if (child->isVisible()) shown << child;
    }
    for (int i = 0; i < shown.size(); ++i) {
      for (int j = i + 1; j < shown.size(); ++j) {
        QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                 qPrintable(shown[i]->objectName() + " over " + shown[j]->objectName()));
      }
      auto* label = qobject_cast<QLabel*>(shown[i]);
      if (label != nullptr && label->wordWrap()) {
        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                 qPrintable(label->objectName() + " cut"));
      }
    }
  }

  static constexpr int kTitleBar = 32;

  std::unique_ptr<testing_support::TempDir> dir_;
  std::unique_ptr<common::DefaultEnv> env_;
  std::ostringstream err_;
  std::unique_ptr<BoxAnswerer> answers_;
  std::unique_ptr<tag::TagQtApp> app_;
};

void TagScreenTest::initTestCase() {
  const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
  qInfo("screen %dx%d", screen.width(), screen.height());
}

void TagScreenTest::init() {
  // Ending the program asks every event loop to leave until the
  // application's own loop has run once: each test starts with that cleared.
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
  dir_ = std::make_unique<testing_support::TempDir>();
  dir_->Write("dept.dat", tag::DeptFile({tag::DeptRecord("GENTS RINGS")}));
  dir_->Write("invent.dat", tag::ItemFile({tag::FullResetItem()}));
  env_ = std::make_unique<common::DefaultEnv>(dir_->path());
  answers_ = std::make_unique<BoxAnswerer>(QList<QMessageBox::StandardButton>{});
  app_ = std::make_unique<tag::TagQtApp>(*env_, kInfo, LongPath(), err_);
  QVERIFY(app_->Start());
  QVERIFY(QTest::qWaitForWindowActive(form()));
}

void TagScreenTest::cleanup() {
  app_.reset();
  answers_.reset();
  env_.reset();
  dir_.reset();
}

void TagScreenTest::KeyboardAloneReachesAndStoresEverySetting() {
  auto* list = Find<QListWidget>(form(), "List1");
  auto* tabbox = Find<QLineEdit>(form(), "tabbox");
  QVERIFY(list->hasFocus());
  // The first arrow key picks the heading: nothing to edit; Enter goes back.
  QTest::keyClick(list, Qt::Key_Down);
  QTRY_VERIFY(tabbox->hasFocus());
  QTest::keyClick(tabbox, Qt::Key_Return);
  QVERIFY(list->hasFocus());

  // Down, the new value, Enter: line after line, A to H, the font size and
  // the number across.
  const QStringList shown{" 7", " 29", " 45", " 68", " 83", " 106", " 130", " 140", " 8", " 3"};
  const QStringList typed{"11", "22", "33", "44", "55", "66", "77", "88", "9", "4"};
  for (int line = 1; line <= 10; ++line) {
    QTest::keyClick(list, Qt::Key_Down);
    QTRY_VERIFY(tabbox->hasFocus());
    QCOMPARE(tabbox->text(), shown[line - 1]);
    QTest::keyClicks(tabbox, typed[line - 1]);  // over the value shown
    QTest::keyClick(tabbox, Qt::Key_Return);
    QVERIFY(list->hasFocus());
    QCOMPARE(list->currentRow(), line);
    QCOMPARE(list->item(line)->text().section(": ", 1), " " + typed[line - 1]);
  }
  // Up goes back from the line just stored.
  QTest::keyClick(list, Qt::Key_Up);
  QTRY_VERIFY(tabbox->hasFocus());
  QCOMPARE(tabbox->text(), QString(" 9"));
  QTest::keyClick(tabbox, Qt::Key_Return);

  QTest::keyClick(form(), Qt::Key_X, Qt::AltModifier);
  QTRY_VERIFY(app_->ended());
  QCOMPARE(QString::fromStdString(dir_->Read("tagsize.dat")),
           QString(" 11 \r\n 22 \r\n 33 \r\n 44 \r\n 55 \r\n 66 \r\n 77 \r\n 88 \r\n"
                   " 9 \r\n 4 \r\n"));
  QVERIFY(answers_->texts.isEmpty());
}

void TagScreenTest::TheDepartmentWindowFitsWithNothingOverlapping() {
  QWidget* order = OpenDepartmentWindow();
  QVERIFY(Find<QLabel>(order, "Label1")->text().startsWith("Change the fields"));
  ExpectOnScreen(order);
  ExpectWhole(order);
  // Its least size still shows everything.
  order->resize(order->minimumSize());
  QCoreApplication::sendPostedEvents();
  order->layout()->activate();
  QCOMPARE(order->size(), order->minimumSize());
  ExpectWhole(order);
}

void TagScreenTest::ThePreviewIsDrawnToScaleAndKeepsItsSize() {
  QWidget* order = OpenDepartmentWindow();
  QTest::keyClick(order, Qt::Key_I, Qt::ControlModifier);
  QWidget* preview = app_->preview_view();
  QVERIFY(preview != nullptr);
  QTRY_COMPARE(QApplication::activeWindow(), preview);
  ExpectOnScreen(preview);
  ExpectWhole(preview);

  // One cell of the fixed-pitch font per character, at least as large as
  // the dialog font; a row wider than the window scrolls.
  auto* row = Find<tag::TagRowView>(preview, "tagRow");
  const QFont font = row->RowFont();
  QVERIFY(QFontInfo(font).fixedPitch());
  QVERIFY(font.pointSizeF() >= QApplication::font().pointSizeF());
  const QFontMetricsF metrics(font);
  QCOMPARE(row->CellWidth(), metrics.horizontalAdvance(QChar('M')));
  QCOMPARE(metrics.horizontalAdvance(QChar('.')), row->CellWidth());
  QVERIFY(row->width() >= row->Columns() * row->CellWidth());

  // Typing in the layout boxes changes the row, never the window's size.
  const QSize size = preview->size();
  const int width = row->width();
  Activate(order);
  auto* text2 = Find<QLineEdit>(order, "Text2");
  text2->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(text2, "FFFFFFFFFFFF 3333333333333333333333333 EEEEEEEEEEEE 777777777777777");
  QVERIFY(row->width() > width);
  QCOMPARE(preview->size(), size);
  QCOMPARE(row->width() >= row->Columns() * row->CellWidth(), true);
}

void TagScreenTest::TheLayoutWindowFitsAndShortensTheLongPath() {
  ExpectOnScreen(form());
  ExpectWhole(form());
  auto* path = Find<QLabel>(form(), "DataDirectory");
  const QString whole = QString::fromStdString("Data directory: " + LongPath());
  QCOMPARE(path->toolTip(), whole);
  QVERIFY(path->text().startsWith("Data directory: /mnt/"));
  QVERIFY(path->text().contains(QChar(0x2026)));  // …
  QVERIFY(whole.endsWith(path->text().section(QChar(0x2026), 1)));
  QVERIFY(path->fontMetrics().horizontalAdvance(path->text()) <= path->width());
}

QTEST_MAIN(TagScreenTest)
#include "tag_screen_test.moc"
