// The real windows of Tag on the offscreen platform, wired as the program
// wires them: the focus behaviour of the change box, both windows open and
// usable at once, the whole editor driven by the keyboard alone, and the
// message boxes on the window that raised them.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <memory>

#include <QWindow>
#include <sstream>

#include "common/platform/default_env.h"
#include "tag/qt/change_order_view.h"
#include "tag/qt/form_tags_view.h"
#include "tag/qt/tag_preview_view.h"
#include "tag/qt/tag_qt_app.h"
#include "tag/qt/window_placement.h"
#include "tests/support/box_answerer.h"
#include "tests/support/temp_dir.h"
#include "tests/tag/dept_fixture.h"
#include "tests/tag/item_fixture.h"

namespace {

using testing_support::BoxAnswerer;

const common::ProgramInfo kInfo{"tag", "Tag", "", ""};

}  // namespace

class TagWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void ClickingALineMovesTheFocusAndLeavingTheBoxStoresTheValue();
  void BothWindowsStayUsable();
  void TheDepartmentWindowClosedByItsFrameOpensAnew();
  void TypingOverTheDepartmentBoxReplacesItsText();
  void KeyboardAloneEditsAndSaves();
  void SettingAllBackToDefaultAsksWithNoAsDefault();
  void ClosingTheLayoutWindowLeavesTheDepartmentWindowOpen();
  void EveryButtonHasAnAltKeyOfItsOwn();
  void TheDepartmentWindowGoesWhereTheScreenHasRoom();
  void ThePreviewFollowsTheBoxesTheDepartmentAndTheItemPicked();

 private:
  template <typename T>
  T* Find(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", name);
    return widget;
  }
  void ClickLine(int row) {
    auto* list = Find<QListWidget>(form(), "List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
  // (A window attached to an active one counts as active for Qt's own
  // check: wait until the application sees this one active.)
  void Activate(QWidget* window) {
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
  }
  QWidget* form() { return app_->form_view(); }
  QString Line(int row) { return Find<QListWidget>(form(), "List1")->item(row)->text(); }
  QWidget* OpenDepartmentWindow() {
    QTest::mouseClick(Find<QPushButton>(form(), "Command2"), Qt::LeftButton);
    QWidget* order = app_->change_order_view();
    if (order == nullptr ||
        !QTest::qWaitFor([order] { return QApplication::activeWindow() == order; })) {
      qFatal("no active department window");
    }
    return order;
  }

  std::unique_ptr<testing_support::TempDir> dir_;
  std::unique_ptr<common::DefaultEnv> env_;
  std::ostringstream err_;
  std::unique_ptr<BoxAnswerer> answers_;
  std::unique_ptr<tag::TagQtApp> app_;
};

void TagWindowsTest::init() {
  // Ending the program asks every event loop to leave, the ones that start
  // later included (a message box's), until the application's own loop has
  // run once: each test starts with that request cleared.
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
  dir_ = std::make_unique<testing_support::TempDir>();
  dir_->Write("dept.dat",
              tag::DeptFile({tag::DeptRecord("GENTS RINGS"), tag::DeptRecord("CAF\xC9")}));
  env_ = std::make_unique<common::DefaultEnv>(dir_->path());
  answers_ = std::make_unique<BoxAnswerer>(QList<QMessageBox::StandardButton>{});
  app_ = std::make_unique<tag::TagQtApp>(*env_, kInfo, "/srv/store", err_);
  QVERIFY(app_->Start());
  QCOMPARE(form()->windowTitle(), QString("tags layout"));
  QVERIFY(QTest::qWaitForWindowActive(form()));
}

void TagWindowsTest::cleanup() {
  app_.reset();
  answers_.reset();
  env_.reset();
  dir_.reset();
}

void TagWindowsTest::ClickingALineMovesTheFocusAndLeavingTheBoxStoresTheValue() {
  auto* list = Find<QListWidget>(form(), "List1");
  auto* tabbox = Find<QLineEdit>(form(), "tabbox");
  QVERIFY(list->hasFocus());
  QCOMPARE(list->currentRow(), -1);  // entering the list picked no line

  ClickLine(3);
  QTRY_VERIFY(tabbox->hasFocus());
  QCOMPARE(tabbox->text(), QString(" 45"));
  QTest::keyClicks(tabbox, "50");
  QTest::mouseClick(Find<QPushButton>(form(), "Command1"), Qt::LeftButton);
  QCOMPARE(Line(0), QString("Current positions"));
  QCOMPARE(Line(3), QString("Position C is now:  50"));
  QCOMPARE(tabbox->text(), QString());

  // Typed, then straight to another line: stored before that line's click.
  ClickLine(5);
  QTRY_VERIFY(tabbox->hasFocus());
  QTest::keyClicks(tabbox, "90");
  ClickLine(1);
  QTRY_VERIFY(tabbox->hasFocus());
  QCOMPARE(Line(5), QString("Position E is now:  90"));
  QCOMPARE(tabbox->text(), QString(" 7"));

  // Typed, then "Save/Exit": stored before the layout is written.
  QTest::keyClicks(tabbox, "5");
  QTest::mouseClick(Find<QPushButton>(form(), "save"), Qt::LeftButton);
  QVERIFY(app_->ended());
  QCOMPARE(
      QString::fromStdString(dir_->Read("tagsize.dat")),
      QString(" 5 \r\n 29 \r\n 50 \r\n 68 \r\n 90 \r\n 106 \r\n 130 \r\n 140 \r\n 8 \r\n 3 \r\n"));
  QVERIFY(answers_->texts.isEmpty());
}

void TagWindowsTest::BothWindowsStayUsable() {
  QTest::mouseClick(Find<QPushButton>(form(), "Command2"), Qt::LeftButton);
  QWidget* order = app_->change_order_view();
  QVERIFY(order != nullptr);
  QVERIFY(QTest::qWaitForWindowActive(order));
  QCOMPARE(order->windowTitle(), QString("Change Tag Printing Order of Information"));
  QVERIFY(form()->isVisible());
  QVERIFY(QFontInfo(Find<QListWidget>(order, "fields")->font()).fixedPitch());
  QVERIFY(Find<QLabel>(order, "Label1")->text().startsWith("Change the fields to print"));
  auto* dept = Find<QComboBox>(order, "Dept");
  QCOMPARE(dept->count(), 3);
  QCOMPARE(dept->itemText(2).trimmed(), QString::fromUtf8("CAF\xC3\x89"));
  QCOMPARE(dept->currentText(), QString("DEFAULT"));

  // Back in formTags: the settings list and change box work as before.
  Activate(form());
  ClickLine(2);
  auto* tabbox = Find<QLineEdit>(form(), "tabbox");
  QTRY_VERIFY(tabbox->hasFocus());
  QCOMPARE(tabbox->text(), QString(" 29"));
  QTest::keyClicks(tabbox, "30");
  auto* microadjust = Find<QCheckBox>(form(), "microadjust");
  QTest::mouseClick(microadjust, Qt::LeftButton);
  QCOMPARE(Line(2), QString("Position B is now:  30"));
  QVERIFY(microadjust->isChecked());
  QCOMPARE(answers_->texts.size(), 1);
  auto* factor = Find<QLineEdit>(form(), "microadjustfactor");
  QVERIFY(factor->isVisible());
  QCOMPARE(QString::fromStdString(dir_->Read("Microadj.dat")), QString("0\r\n"));
  QTest::mouseClick(factor, Qt::LeftButton);
  factor->selectAll();
  QTest::keyClicks(factor, "12");
  QCOMPARE(QString::fromStdString(dir_->Read("Microadj.dat")), QString("12\r\n"));

  // Back in the department window: pick, type, save; formTags stays.
  Activate(order);
  dept->setCurrentIndex(2);
  emit dept->activated(2);
  QCOMPARE(Find<QLineEdit>(order, "Text1")->text(), QString("111 DDD"));
  auto* text1 = Find<QLineEdit>(order, "Text1");
  text1->selectAll();
  const QString e_acute = QString::fromUtf8("\xC3\xA9");
  QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_Eacute, e_acute, Qt::NoModifier);
  QTest::keyClicks(text1, "t");
  QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_Eacute, e_acute, Qt::NoModifier);
  QTest::mouseClick(Find<QPushButton>(order, "Command1"), Qt::LeftButton);
  QTRY_VERIFY(app_->change_order_view() == nullptr);
  QCOMPARE(QString::fromLatin1(dir_->Read("CAFTAGS.DAT").substr(0, 5).c_str()),
           QString::fromLatin1("\xE9t\xE9\r\n"));
  QVERIFY(form()->isVisible());
  QVERIFY(!app_->ended());
}

void TagWindowsTest::TheDepartmentWindowClosedByItsFrameOpensAnew() {
  auto* change_order = Find<QPushButton>(form(), "Command2");
  QTest::mouseClick(change_order, Qt::LeftButton);
  QWidget* order = app_->change_order_view();
  QVERIFY(QTest::qWaitForWindowActive(order));
  auto* dept = Find<QComboBox>(order, "Dept");
  dept->lineEdit()->selectAll();
  QTest::keyClicks(dept->lineEdit(), "GE");
  QCOMPARE(answers_->texts.value(1), QString("No department so nothing saved"));
  QTest::keyClicks(dept->lineEdit(), "N");
  QCOMPARE(answers_->texts.size(), 2);  // "G" and "GE"
  QCOMPARE(answers_->parents.value(1), order);

  // Change Order again while it is open: the same window, as it was.
  Activate(form());
  QTest::mouseClick(change_order, Qt::LeftButton);
  QCOMPARE(app_->change_order_view(), order);
  QCOMPARE(dept->currentText(), QString("GEN"));

  order->close();
  QTRY_VERIFY(app_->change_order_view() == nullptr);
  Activate(form());
  QTest::mouseClick(change_order, Qt::LeftButton);
  QVERIFY(app_->change_order_view() != nullptr);
  QCOMPARE(Find<QComboBox>(app_->change_order_view(), "Dept")->currentText(), QString("DEFAULT"));
}

void TagWindowsTest::TypingOverTheDepartmentBoxReplacesItsText() {
  QWidget* order = OpenDepartmentWindow();
  auto* dept = Find<QComboBox>(order, "Dept");
  QCOMPARE(QApplication::focusWidget(), dept);
  QCOMPARE(dept->lineEdit()->selectedText(), QString("DEFAULT"));
  QTest::keyClicks(dept, "GENTS RINGS");
  QCOMPARE(dept->currentText(), QString("GENTS RINGS"));
  QCOMPARE(answers_->texts, QStringList(2, "No department so nothing saved"));  // G, GE
  Activate(order);  // back from the last message
  auto* text1 = Find<QLineEdit>(order, "Text1");
  text1->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(text1, "111 GGG");
  QTest::keyClick(order, Qt::Key_S, Qt::AltModifier);
  QTRY_VERIFY(app_->change_order_view() == nullptr);
  QCOMPARE(testing_support::DataNames(*dir_),
           (std::vector<std::string>{"GENTAGS.DAT", "dept.dat", "tagsize.dat"}));

  // Opened again: Tab and Alt+L select the text too, and Escape goes back
  // to the department and the layout shown before the typing.
  Activate(form());
  order = OpenDepartmentWindow();
  dept = Find<QComboBox>(order, "Dept");
  text1 = Find<QLineEdit>(order, "Text1");
  auto* text6 = Find<QLineEdit>(order, "Text6");
  text6->setFocus(Qt::TabFocusReason);
  QTest::keyClick(text6, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), dept);
  QCOMPARE(dept->lineEdit()->selectedText(), QString("DEFAULT"));
  QTest::keyClicks(dept, "GEN");
  QCOMPARE(text1->text(), QString("111 GGG"));
  Activate(order);
  QTest::keyClick(order, Qt::Key_L, Qt::AltModifier);
  QCOMPARE(dept->lineEdit()->selectedText(), QString("GEN"));
  QTest::keyClick(dept, Qt::Key_Escape);
  QCOMPARE(dept->currentText(), QString("DEFAULT"));
  QCOMPARE(dept->lineEdit()->selectedText(), QString("DEFAULT"));
  QCOMPARE(text1->text(), QString("111 DDD"));
  QVERIFY(app_->change_order_view() != nullptr);
}

void TagWindowsTest::KeyboardAloneEditsAndSaves() {
  auto* list = Find<QListWidget>(form(), "List1");
  auto* tabbox = Find<QLineEdit>(form(), "tabbox");
  QCOMPARE(Find<QLabel>(form(), "DataDirectory")->text(), QString("Data directory: /srv/store"));
  QVERIFY(list->hasFocus());

  // The first arrow key picks the first line, "CURRENT SETTINGS": the focus
  // goes to the change box with nothing to edit.
  QTest::keyClick(list, Qt::Key_Down);
  QTRY_VERIFY(tabbox->hasFocus());
  QCOMPARE(tabbox->text(), QString());
  // Alt+P goes back to the list, and the next arrow key picks position A.
  QTest::keyClick(form(), Qt::Key_P, Qt::AltModifier);
  QVERIFY(list->hasFocus());
  QTest::keyClick(list, Qt::Key_Down);
  QTRY_VERIFY(tabbox->hasFocus());
  QCOMPARE(tabbox->text(), QString(" 7"));
  QTest::keyClicks(tabbox, "12");
  // Enter stores the value as leaving the box does, and leaves it.
  QTest::keyClick(tabbox, Qt::Key_Return);
  QVERIFY(list->hasFocus());
  QCOMPARE(Line(0), QString("Current positions"));
  QCOMPARE(Line(1), QString("Position A is now:  12"));
  QCOMPARE(tabbox->text(), QString());

  // Tab follows the columns: the list, the right column, then the left one.
  QStringList order;
  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(order, (QStringList{"microadjust", "save", "itemPreview", "tabbox", "Command1",
                               "Command2", "List1"}));
  QCOMPARE(Line(1), QString("Position A is now:  12"));  // passing the box kept it

  // Enter on the focused "Change Order" presses it; the department window
  // opens beside formTags with the focus on the department box.
  Find<QPushButton>(form(), "Command2")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Find<QPushButton>(form(), "Command2"), Qt::Key_Return);
  QWidget* department = app_->change_order_view();
  QVERIFY(department != nullptr);
  QTRY_COMPARE(QApplication::activeWindow(), department);
  QCOMPARE(QApplication::focusWidget(), Find<QComboBox>(department, "Dept"));
  QCOMPARE(department->windowHandle()->transientParent(), form()->windowHandle());
  // Owned by formTags, it moves with it.
  const QPoint at = department->pos();
  form()->move(form()->pos() + QPoint(30, -20));
  QTRY_COMPARE(department->pos(), at + QPoint(30, -20));

  // Alt+X: "Save/Exit" in formTags.
  Activate(form());
  QTest::keyClick(form(), Qt::Key_X, Qt::AltModifier);
  QTRY_VERIFY(app_->ended());
  QCOMPARE(
      QString::fromStdString(dir_->Read("tagsize.dat")),
      QString(" 12 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 130 \r\n 140 \r\n 8 \r\n 3 \r\n"));
  QVERIFY(answers_->texts.isEmpty());
}

void TagWindowsTest::SettingAllBackToDefaultAsksWithNoAsDefault() {
  dir_->Write("GENTAGS.DAT", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
  dir_->Write("DEFTAGS.dat", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
  QWidget* order = OpenDepartmentWindow();
  answers_ = std::make_unique<BoxAnswerer>(
      QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No});
  // A button's shortcut presses it a moment later, as a click would.
  QTest::keyClick(order, Qt::Key_A, Qt::AltModifier);
  QTRY_COMPARE(answers_->texts.size(), 2);
  QCOMPARE(answers_->defaults,
           (QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::No}));
  QCOMPARE(answers_->parents, (QList<const QWidget*>{order, order}));
  QVERIFY(!dir_->Exists("GENTAGS.DAT"));
  QVERIFY(dir_->Exists("DEFTAGS.dat"));
  QTRY_VERIFY(app_->change_order_view() == nullptr);
}

void TagWindowsTest::ClosingTheLayoutWindowLeavesTheDepartmentWindowOpen() {
  QWidget* order = OpenDepartmentWindow();
  form()->close();
  QVERIFY(!form()->isVisible());
  QVERIFY(order->isVisible());
  // Standing alone now, it keeps the program running until it closes.
  QCOMPARE(order->windowHandle()->transientParent(), nullptr);
  QVERIFY(!app_->ended());
  Find<QLineEdit>(order, "Text1")->setFocus();
  QTest::keyClick(order, Qt::Key_S, Qt::AltModifier);  // "Save Change" for DEFAULT
  QTRY_VERIFY(app_->change_order_view() == nullptr);
  QVERIFY(dir_->Exists("DEFTAGS.DAT"));
  // The last window closed: the program ends, writing nothing more.
  QVERIFY(app_->ended());
  QCOMPARE(app_->Exec(), 0);
}

void TagWindowsTest::EveryButtonHasAnAltKeyOfItsOwn() {
  for (QWidget* window : {form(), OpenDepartmentWindow()}) {
    QMap<QString, QString> owners;  // Alt key -> the control that has it
    const auto claim = [&](const QString& text, const QString& name) {
      const QString key = QKeySequence::mnemonic(text).toString();
      QVERIFY2(!key.isEmpty(), qPrintable(name + " has no Alt key"));
      QVERIFY2(!owners.contains(key), qPrintable(key + ": " + owners[key] + " and " + name));
      owners[key] = name;
    };
    for (auto* button : window->findChildren<QAbstractButton*>()) {
      claim(button->text(), button->objectName());
    }
    for (auto* label : window->findChildren<QLabel*>()) {
      if (label->buddy() != nullptr) claim(label->text(), label->objectName());
    }
  }
}

void TagWindowsTest::TheDepartmentWindowGoesWhereTheScreenHasRoom() {
  const QRect screen(0, 0, 1280, 1024);
  struct Case {
    const char* name;
    QRect form;
    QSize size;
    QPoint window;
    std::optional<QPoint> form_moves_to;
  };
  const Case cases[] = {
      {"right", {100, 100, 400, 300}, {300, 200}, {508, 100}, {}},
      {"left, at the screen's right edge", {900, 100, 350, 300}, {300, 200}, {592, 100}, {}},
      {"right, kept on the screen", {100, 900, 300, 100}, {300, 400}, {408, 624}, {}},
      {"below, too wide for either side", {200, 100, 880, 400}, {740, 500}, {200, 508}, {}},
      {"stacked, formTags moved up", {200, 300, 880, 400}, {740, 520}, {200, 456}, QPoint(200, 48)},
      {"over formTags, no room at all", {0, 0, 1200, 900}, {1000, 800}, {48, 48}, {}},
  };
  for (const Case& c : cases) {
    const tag::Placement placement = tag::PlaceBeside(c.form, c.size, screen, 8);
    QVERIFY2(placement.window == c.window && placement.form == c.form_moves_to, c.name);
  }
  // No screen known: at the right.
  QCOMPARE(tag::PlaceBeside({100, 100, 400, 300}, {300, 200}, QRect(), 8).window, QPoint(508, 100));
}

void TagWindowsTest::ThePreviewFollowsTheBoxesTheDepartmentAndTheItemPicked() {
  tag::ItemFields band = tag::FullResetItem();
  tag::ItemFields signet = tag::Item("101", "00002", "GEN", "SIGNET RING");
  signet.grams = "12.5";
  dir_->Write("invent.dat", tag::ItemFile({band, signet}));
  QWidget* order = OpenDepartmentWindow();
  QVERIFY(app_->preview_view() == nullptr);

  // Ctrl+I shows the preview, owned by formTags, with the keyboard in its
  // item search.
  QTest::keyClick(order, Qt::Key_I, Qt::ControlModifier);
  QWidget* preview = app_->preview_view();
  QVERIFY(preview != nullptr && preview->isVisible());
  QTRY_COMPARE(QApplication::activeWindow(), preview);
  auto* search = Find<QLineEdit>(preview, "itemSearch");
  QCOMPARE(QApplication::focusWidget(), search);
  QCOMPARE(preview->windowHandle()->transientParent(), form()->windowHandle());
  QVERIFY(Find<QPushButton>(order, "itemPreview")->isChecked());
  auto* findings = Find<QLabel>(preview, "previewFindings");
  auto* status = Find<QLabel>(preview, "itemStatus");
  auto* row = Find<tag::TagRowView>(preview, "tagRow");
  QCOMPARE(Find<QLabel>(preview, "layoutSource")->text(),
           QString("The layout in the department window, for \"DEFAULT\""));
  QVERIFY(
      status->text().startsWith("No items of department DEF; showing the 2 items of the store."));
  QVERIFY(findings->text().contains("Grams: \"3.9\" printed as \"3.\""));
  QVERIFY(row->NoteAt(2, 29).contains("runs into position B at column 29"));
  QVERIFY(row->NoteAt(2, 13).startsWith("Description: \"WIDE WEDDING BAND WITH"));

  // Every keystroke in a box redraws the row, and the window keeps its size.
  const QSize size = preview->size();
  Activate(order);
  auto* text6 = Find<QLineEdit>(order, "Text6");
  text6->setFocus();
  text6->end(false);
  QTest::keyClicks(text6, "8");
  QVERIFY(!findings->text().contains("Grams"));
  QTest::keyClick(text6, Qt::Key_Backspace);
  QVERIFY(findings->text().contains("Grams"));
  QTest::keyClicks(text6, " 3333333333 55555 777777777777777 EEEE");
  QCOMPARE(preview->size(), size);

  // Searching picks the first item found; the row shows it.
  Activate(preview);
  QTest::keyClicks(search, "sig");
  QVERIFY(status->text().endsWith("Shown: 101-00002 SIGNET RING"));
  QVERIFY(findings->text().contains("Grams: \"12.5\" printed as \"12\""));
  QCOMPARE(preview->size(), size);

  // A department of its own items lists only those.
  auto* dept = Find<QComboBox>(order, "Dept");
  dept->setCurrentIndex(1);
  emit dept->activated(1);
  QVERIFY(status->text().startsWith("1 item of department GEN."));

  // Escape hides it and gives the keyboard back to the department window.
  QTest::keyClick(search, Qt::Key_Escape);
  QVERIFY(!preview->isVisible());
  QTRY_COMPARE(QApplication::activeWindow(), order);
  QVERIFY(!Find<QPushButton>(order, "itemPreview")->isChecked());

  // With the department window closed, the preview shows DEFAULT's layout
  // as saved.
  order->close();
  QTRY_VERIFY(app_->change_order_view() == nullptr);
  Activate(form());
  QTest::mouseClick(Find<QPushButton>(form(), "itemPreview"), Qt::LeftButton);
  QCOMPARE(app_->preview_view(), preview);
  QVERIFY(preview->isVisible());
  QVERIFY(
      Find<QLabel>(preview, "layoutSource")->text().startsWith("The DEFAULT layout (built-in)"));
  QVERIFY(status->text().endsWith("Shown: 101-00002 SIGNET RING"));  // the search stays
  QVERIFY(findings->text().contains("Grams: \"12.5\" printed as \"12\""));
  QCOMPARE(testing_support::DataNames(*dir_),
           (std::vector<std::string>{"dept.dat", "invent.dat", "tagsize.dat"}));
}

QTEST_MAIN(TagWindowsTest)
#include "tag_qt_test.moc"
