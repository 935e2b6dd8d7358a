// The real Qt window on the offscreen platform: a pick by keyboard and by
// mouse, the messages answered as a user would.

#include "cleanslate/qt/makefile_view.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <sstream>

#include "common/default_env.h"
#include "common/qt/qt_messages.h"
#include "tests/cleanslate/fakes.h"

namespace {

using cleanslate_testing::FixedClock;
using cleanslate_testing::FixedRandom;
using cleanslate_testing::Snapshot;
using testing_support::TempDir;

// Answers each modal message box as it appears with the next queued button,
// and records its text and default button.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers) : answers_(answers) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(10);
  }

  QStringList texts;
  QList<QMessageBox::StandardButton> defaults;
  bool ran_out = false;

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    texts << box->text();
    defaults << box->standardButton(box->defaultButton());
    if (answers_.isEmpty()) {
      ran_out = true;
      box->reject();
      return;
    }
    box->button(answers_.takeFirst())->click();
  }

  QList<QMessageBox::StandardButton> answers_;
  QTimer timer_;
};

// The program's window over a test directory, wired as the program wires it.
struct Program {
  explicit Program(const TempDir& dir) : env(dir.path()) {}

  common::DefaultEnv env;
  FixedRandom random;
  FixedClock clock;
  common::QtWindowHost host;
  QWidget* shown = nullptr;
  common::QtMessages messages{"Cleanslate", [this]() -> QWidget* {
                                return shown != nullptr && shown->isVisible() ? shown : nullptr;
                              }};
  std::ostringstream err;
  cleanslate::MakefileView view{cleanslate::ActionContext{env, messages, random, clock}, host,
                                err};
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
    program.view.Load();
    QVERIFY(program.host.ended());
    QVERIFY(!program.view.isVisible());
    QCOMPARE(answers.defaults, QList<QMessageBox::StandardButton>{QMessageBox::No});
    QVERIFY(dir.Names().empty());
  }

  void KeyboardPickRunsTheBudgetReset() {
    TempDir dir;
    dir.Write("a.bud", "x");
    dir.Write("B.BUD", "x");
    dir.Write("keep.dat", "x");
    Program program(dir);
    program.shown = &program.view;
    BoxAnswerer answers({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok});
    program.view.Load();
    QVERIFY(!program.host.ended());
    QVERIFY(program.view.isVisible());
    QCOMPARE(program.view.windowTitle(), QString("Making Files for Brillora Program "));
    auto* heading = program.view.findChild<QPushButton*>("Command1");
    QVERIFY(heading != nullptr);
    QCOMPARE(heading->text(), QString("Zeroing Files"));
    QCOMPARE(heading->font().families().value(0), QString("Times New Roman"));
    auto* list = program.view.findChild<QListWidget*>("List1");
    QVERIFY(list != nullptr);
    QCOMPARE(list->count(), 14);
    QVERIFY(QTest::qWaitForWindowExposed(&program.view));

    list->setFocus();
    for (int presses = 0; list->currentRow() < 7 && presses < 20; ++presses) {
      QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(list->currentItem()->text(), QString("Zero budget files"));
    QVERIFY(!program.host.ended());  // moving through the list picks nothing
    QTest::keyClick(list, Qt::Key_Return);

    QVERIFY(program.host.ended());
    QVERIFY(!list->isVisible());
    QCOMPARE(answers.texts,
             (QStringList{"- EXTREME DANGER -\n\nUSE THIS PROGRAM WITH GREAT CARE!\n\n\n"
                          "Are you sure that you want to use this program?",
                          "All budget files will be erased.\n"
                          "Are you sure that you want to do this?",
                          "The budget files have been zeroed."}));
    QCOMPARE(answers.defaults, (QList<QMessageBox::StandardButton>{
                                   QMessageBox::No, QMessageBox::No, QMessageBox::Ok}));
    QCOMPARE(cleanslate_testing::DataNames(dir), std::vector<std::string>{"keep.dat"});
    QCOMPARE(program.err.str(), std::string());
  }

  void MouseClickOnDontZeroAnythingEndsQuietly() {
    TempDir dir;
    dir.Write("cust.dat", "customers");
    const auto before = Snapshot(dir);
    Program program(dir);
    program.shown = &program.view;
    BoxAnswerer answers({QMessageBox::Yes});
    program.view.Load();
    QVERIFY(QTest::qWaitForWindowExposed(&program.view));
    auto* list = program.view.findChild<QListWidget*>("List1");
    QListWidgetItem* item = list->item(13);
    QCOMPARE(item->text(), QString("Don't zero anything"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QVERIFY(program.host.ended());
    QCOMPARE(answers.texts.size(), 1);
    QVERIFY(!answers.ran_out);
    QCOMPARE(Snapshot(dir), before);
  }

  // Last: after an error the program only waits to end.
  void FileErrorIsShownAndWrittenAsOneLine() {
    TempDir dir;
    Program program(dir);
    program.shown = &program.view;
    BoxAnswerer answers({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok});
    program.view.Load();
    QVERIFY(QTest::qWaitForWindowExposed(&program.view));
    auto* list = program.view.findChild<QListWidget*>("List1");
    list->setCurrentRow(4);  // the balances, without "cust.pt"
    QTest::keyClick(list, Qt::Key_Enter);
    QVERIFY(common::ErrorReported());
    QCOMPARE(answers.texts.value(2),
             QString("Cannot open \"cust.pt\": No such file or directory"));
    QCOMPARE(program.err.str(),
             std::string("cleanslate: Cannot open \"cust.pt\": No such file or directory\n"));
  }
};

QTEST_MAIN(MakefileViewTest)
#include "makefile_view_test.moc"
