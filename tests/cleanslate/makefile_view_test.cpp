// The real Qt window on the offscreen platform: a pick by keyboard and by
// mouse, the messages answered as a user would.

#include "cleanslate/qt/cleanslate_qt_app.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <sstream>

#include "common/platform/default_env.h"
#include "tests/support/box_answerer.h"
#include "tests/support/fixed_sources.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::BoxAnswerer;
using testing_support::FixedClock;
using testing_support::FixedRandom;
using testing_support::Snapshot;
using testing_support::TempDir;

constexpr char kPath[] = "/srv/store data/brillora";

// The program's window over a test directory, wired as the program wires it.
struct Program {
  explicit Program(const TempDir& dir, const std::string& path = kPath)
      : env(dir.path()), app{env, random, clock, path, err} {}

  QListWidget* list() { return app.view().findChild<QListWidget*>("List1"); }

  common::DefaultEnv env;
  FixedRandom random;
  FixedClock clock;
  std::ostringstream err;
  cleanslate::CleanslateQtApp app;
};

}  // namespace

class MakefileViewTest : public QObject {
  Q_OBJECT

 private slots:
  // Ending the program asks every event loop to leave, the ones that start
  // later included, until the application's own loop has run once. Each
  // test starts with that request cleared.
  void init() {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }

  void DangerAnsweredNoNeverShowsTheWindow() {
    TempDir dir;
    Program program(dir);
    BoxAnswerer answers({QMessageBox::No});
    QVERIFY(program.app.Start());
    QVERIFY(program.app.host().ended());
    QVERIFY(!program.app.view().isVisible());
    QCOMPARE(program.app.Exec(), 0);  // at once: no event loop runs
    QCOMPARE(answers.defaults, QList<QMessageBox::StandardButton>{QMessageBox::No});
    QCOMPARE(answers.parents, QList<const QWidget*>{nullptr});  // centred on the screen
    QVERIFY(dir.Names().empty());
  }

  void KeyboardPickRunsTheBudgetReset() {
    TempDir dir;
    dir.Write("a.bud", "x");
    dir.Write("B.BUD", "x");
    dir.Write("keep.dat", "x");
    Program program(dir);
    QWidget& view = program.app.view();
    BoxAnswerer answers({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok}, &view);
    QVERIFY(program.app.Start());
    QVERIFY(!program.app.host().ended());
    QVERIFY(view.isVisible());
    QCOMPARE(view.windowTitle(), QString("Making Files for Brillora Program "));
    auto* heading = view.findChild<QPushButton*>("Command1");
    QVERIFY(heading != nullptr);
    QCOMPARE(heading->text(), QString("Zeroing Files"));
    QCOMPARE(heading->font().families().value(0), QString("Times New Roman"));
    auto* path = view.findChild<QLabel*>("DataDirectory");
    QVERIFY(path != nullptr && path->isVisible());
    QCOMPARE(path->text(), QString("Data directory: /srv/store data/brillora"));
    QListWidget* list = program.list();
    QVERIFY(list != nullptr);
    QCOMPARE(list->count(), 14);
    QVERIFY(QTest::qWaitForWindowActive(&view));

    // The list opens with the focus and no line selected; the first arrow
    // key selects the first line.
    QVERIFY(list->hasFocus());
    QCOMPARE(list->currentRow(), -1);
    QVERIFY(list->selectedItems().isEmpty());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(list->currentItem()->isSelected());
    for (int presses = 0; list->currentRow() < 7 && presses < 20; ++presses) {
      QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(list->currentItem()->text(), QString("Zero budget files"));
    QVERIFY(!program.app.host().ended());  // moving through the list picks nothing
    QTest::keyClick(list, Qt::Key_Return);

    QVERIFY(program.app.host().ended());
    QVERIFY(!list->isVisible());
    QCOMPARE(answers.texts,
             (QStringList{"- EXTREME DANGER -\n\nUSE THIS PROGRAM WITH GREAT CARE!\n\n\n"
                          "Are you sure that you want to use this program?",
                          "All budget files will be erased.\n"
                          "Are you sure that you want to do this?",
                          "The budget files have been zeroed."}));
    QCOMPARE(answers.defaults, (QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::No,
                                                                   QMessageBox::Ok}));
    // After the pick the window shows the busy pointer, the questions never.
    QCOMPARE(answers.busy_over_window, (QList<bool>{false, true, true}));
    QCOMPARE(answers.busy_over_box, (QList<bool>{false, false, false}));
    // The messages after the window showed are centred on it.
    QCOMPARE(answers.parents, (QList<const QWidget*>{nullptr, &view, &view}));
    for (int i = 1; i < 3; ++i) {
      QVERIFY2(answers.centre_offsets[i].manhattanLength() <= 40,
               qPrintable(QString("message %1 is off centre").arg(i)));
    }
    QCOMPARE(testing_support::DataNames(dir), std::vector<std::string>{"keep.dat"});
    QCOMPARE(program.err.str(), std::string());
    QVERIFY(view.cursor().shape() != Qt::WaitCursor);
    QCOMPARE(program.app.Exec(), 0);
  }

  // From the list as it opens, with no line selected, each key picks the
  // line a user expects; End and Enter leave without a question.
  void TheFirstKeyPicksItsLineFromTheUnselectedStart() {
    struct Case {
      Qt::Key key;
      int row;
    };
    const Case cases[] = {{Qt::Key_Down, 0},      {Qt::Key_Home, 0}, {Qt::Key_PageUp, 0},
                          {Qt::Key_PageDown, 13}, {Qt::Key_End, 13}, {Qt::Key_Up, 13}};
    for (const Case& c : cases) {
      init();  // the program before ended
      TempDir dir;
      Program program(dir);
      BoxAnswerer answers({QMessageBox::Yes});
      QVERIFY(program.app.Start());
      QVERIFY(QTest::qWaitForWindowActive(&program.app.view()));
      QListWidget* list = program.list();
      QCOMPARE(list->currentRow(), -1);
      QTest::keyClick(list, c.key);
      QVERIFY2(list->currentRow() == c.row, qPrintable(QKeySequence(c.key).toString()));
      QVERIFY(list->currentItem()->isSelected());
      if (c.key != Qt::Key_End) continue;
      QTest::keyClick(list, Qt::Key_Up);
      QCOMPARE(list->currentItem()->text(),
               QString("No more zeroing (This will cancel this program)"));
      QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Return);
      QVERIFY(program.app.host().ended());
      QCOMPARE(answers.texts.size(), 1);  // the danger question only
      QVERIFY(dir.Names().empty());
    }
  }

  // A data folder on a network share can have a path wider than the screen:
  // the window shortens it in the middle and keeps its own width.
  void ALongPathIsShortenedInTheMiddle() {
    std::string path = "/mnt/store-server/Brillora";
    while (path.size() < 209) path += "/Back office data folder";
    path.resize(209);
    TempDir dir;
    Program program(dir, path);
    BoxAnswerer answers({QMessageBox::Yes});
    QVERIFY(program.app.Start());
    QWidget& view = program.app.view();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(view.frameGeometry().width() <= 700);
    auto* label = view.findChild<QLabel*>("DataDirectory");
    QCOMPARE(label->toolTip(), QString::fromStdString("Data directory: " + path));
    QVERIFY(label->text().startsWith("Data directory: /mnt/"));
    QVERIFY(label->text().contains(QChar(0x2026)));  // …
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
  }

  void MouseClickOnDontZeroAnythingEndsQuietly() {
    TempDir dir;
    dir.Write("cust.dat", "customers");
    const auto before = Snapshot(dir);
    Program program(dir);
    BoxAnswerer answers({QMessageBox::Yes});
    QVERIFY(program.app.Start());
    QVERIFY(QTest::qWaitForWindowExposed(&program.app.view()));
    QListWidget* list = program.list();
    QListWidgetItem* item = list->item(13);
    QCOMPARE(item->text(), QString("Don't zero anything"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QVERIFY(program.app.host().ended());
    QCOMPARE(answers.texts.size(), 1);
    QVERIFY(!answers.ran_out);
    QCOMPARE(Snapshot(dir), before);
  }

  void ClosingTheWindowEndsTheProgramAndTouchesNothing() {
    TempDir dir;
    dir.Write("cust.dat", "customers");
    const auto before = Snapshot(dir);
    Program program(dir);
    BoxAnswerer answers({QMessageBox::Yes});
    QVERIFY(program.app.Start());
    QVERIFY(QTest::qWaitForWindowExposed(&program.app.view()));
    QVERIFY(!program.app.host().ended());
    program.app.view().close();
    QVERIFY(program.app.host().ended());
    QCOMPARE(program.app.Exec(), 0);
    QCOMPARE(Snapshot(dir), before);
  }

  // A file error reads the same in the box and, after the program's name,
  // on the error stream; the program ends with status 1.
  void FileErrorIsShownAndWrittenAsOneLine() {
    TempDir dir;
    Program program(dir);
    QWidget& view = program.app.view();
    BoxAnswerer answers({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok}, &view);
    QVERIFY(program.app.Start());
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QListWidget* list = program.list();
    list->setCurrentRow(4);  // the balances, without "cust.pt"
    QTest::keyClick(list, Qt::Key_Enter);
    QVERIFY(program.app.host().error_reported());
    QCOMPARE(answers.texts.value(2), QString("Cannot open \"cust.pt\": No such file or directory"));
    QCOMPARE(answers.parents.value(2), &view);
    QCOMPARE(answers.busy_over_window.value(2), false);
    QCOMPARE(program.err.str(),
             std::string("cleanslate: Cannot open \"cust.pt\": No such file or directory\n"));
    QCOMPARE(program.app.Exec(), 1);
  }
};

QTEST_MAIN(MakefileViewTest)
#include "makefile_view_test.moc"
