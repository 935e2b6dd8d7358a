// The real windows of Tag on the offscreen platform: the focus behaviour of
// the change box, and both windows open and usable at once.

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <deque>
#include <memory>

#include "common/default_env.h"
#include "tag/qt/change_order_view.h"
#include "tag/qt/form_tags_view.h"
#include "tag/qt/tag_qt_app.h"
#include "tests/support/temp_dir.h"
#include "tests/tag/dept_fixture.h"

namespace {

// Records every message; the windows' own message boxes would block the test.
class RecordedMessages : public common::Messages {
 public:
  std::vector<std::string> texts;

 protected:
  common::Answer Show(const common::Message& message) override {
    texts.push_back(message.text);
    return message.buttons == common::Buttons::kOk ? common::Answer::kOk : common::Answer::kNo;
  }
};

}  // namespace

class TagWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void ClickingALineMovesTheFocusAndLeavingTheBoxStoresTheValue();
  void BothWindowsStayUsable();
  void TheDepartmentWindowClosedByItsFrameOpensAnew();

 private:
  template <typename T>
  T* Find(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", name);
    return widget;
  }
  void ClickLine(int row) {
    auto* list = Find<QListWidget>(form(), "List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  void Activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
  }
  QWidget* form() { return app_->form_view(); }
  QString Line(int row) { return Find<QListWidget>(form(), "List1")->item(row)->text(); }

  std::unique_ptr<testing_support::TempDir> dir_;
  std::unique_ptr<common::DefaultEnv> env_;
  RecordedMessages messages_;
  std::unique_ptr<tag::TagQtApp> app_;
};

void TagWindowsTest::init() {
  dir_ = std::make_unique<testing_support::TempDir>();
  dir_->Write("dept.dat", tag::DeptFile({tag::DeptRecord("GENTS RINGS"), tag::DeptRecord("CAF\xC9")}));
  env_ = std::make_unique<common::DefaultEnv>(dir_->path());
  messages_.texts.clear();
  app_ = std::make_unique<tag::TagQtApp>(*env_, messages_, "Tag");
  QVERIFY(app_->Start());
  QCOMPARE(form()->windowTitle(), QString("tags layout"));
  QVERIFY(QTest::qWaitForWindowActive(form()));
}

void TagWindowsTest::cleanup() {
  app_.reset();
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
  QCOMPARE(QString::fromStdString(dir_->Read("tagsize.dat")),
           QString(" 5 \r\n 29 \r\n 50 \r\n 68 \r\n 90 \r\n 106 \r\n 130 \r\n 140 \r\n 8 \r\n 3 \r\n"));
  QVERIFY(messages_.texts.empty());
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
  QCOMPARE(messages_.texts.size(), std::size_t{1});
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
  QCOMPARE(messages_.texts.back(), std::string("No department so nothing saved"));
  QTest::keyClicks(dept->lineEdit(), "N");
  QCOMPARE(messages_.texts.size(), std::size_t{2});  // "G" and "GE"

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

QTEST_MAIN(TagWindowsTest)
#include "tag_qt_test.moc"
