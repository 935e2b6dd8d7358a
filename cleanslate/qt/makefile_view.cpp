#include "cleanslate/qt/makefile_view.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <algorithm>

#include "common/app/qt/list_box_widget.h"
#include "common/app/qt/path_label.h"
#include "common/app/qt/qt_messages.h"

namespace cleanslate {

namespace {

QFont HeadingFont() {
  QFont font;
  font.setFamilies({"Times New Roman", "Liberation Serif", "Nimbus Roman", "DejaVu Serif"});
  font.setStyleHint(QFont::Serif);
  font.setPointSize(20);
  font.setBold(true);
  return font;
}

// A brilliant-cut stone seen from the side, its facets in thin light lines,
// centred at `centre` with the width `width`.
void PaintGem(QPainter& painter, QPointF centre, double width) {
  const double w = width / 2;
  const double crown = width * 0.22;
  const double pavilion = width * 0.55;
  const double table = w * 0.55;
  const QPointF girdle_left(centre.x() - w, centre.y());
  const QPointF girdle_right(centre.x() + w, centre.y());
  const QPointF table_left(centre.x() - table, centre.y() - crown);
  const QPointF table_right(centre.x() + table, centre.y() - crown);
  const QPointF culet(centre.x(), centre.y() + pavilion);

  QPainterPath outline;
  outline.moveTo(girdle_left);
  outline.lineTo(table_left);
  outline.lineTo(table_right);
  outline.lineTo(girdle_right);
  outline.lineTo(culet);
  outline.closeSubpath();

  QLinearGradient glow(centre.x(), centre.y() - crown, centre.x(), centre.y() + pavilion);
  glow.setColorAt(0, QColor(255, 255, 255, 70));
  glow.setColorAt(1, QColor(160, 200, 255, 20));
  painter.setBrush(glow);
  painter.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
  painter.drawPath(outline);

  painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
  painter.drawLine(girdle_left, girdle_right);
  const int kFacets = 6;
  for (int i = 0; i <= kFacets; ++i) {
    const double x = centre.x() - table + 2 * table * i / kFacets;
    const double girdle_x = centre.x() - w + 2 * w * i / kFacets;
    painter.drawLine(QPointF(x, centre.y() - crown), QPointF(girdle_x, centre.y()));
    painter.drawLine(QPointF(girdle_x, centre.y()), culet);
  }
}

// A four-pointed sparkle.
void PaintSparkle(QPainter& painter, QPointF at, double size) {
  QPainterPath star;
  star.moveTo(at.x(), at.y() - size);
  star.quadTo(at, QPointF(at.x() + size, at.y()));
  star.quadTo(at, QPointF(at.x(), at.y() + size));
  star.quadTo(at, QPointF(at.x() - size, at.y()));
  star.quadTo(at, QPointF(at.x(), at.y() - size));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 240, 170));
  painter.drawPath(star);
}

}  // namespace

MakefileView::MakefileView(const ActionContext& context, common::QtWindowHost& host,
                           const std::string& data_directory, QWidget* parent)
    : QWidget(parent),
      host_(host),
      window_(context, *this, data_directory),
      heading_(new QPushButton(QString::fromLatin1(kMakefileHeading), this)),
      data_directory_(
          new common::PathLabel(QString::fromStdString(window_.DataDirectory.caption), this)),
      list_(new common::ListBoxWidget(this)) {
  setObjectName("makefile");
  setWindowTitle(common::FromWindows1252(kMakefileCaption));
  resize(600, 600);

  heading_->setObjectName("Command1");
  heading_->setFont(HeadingFont());
  heading_->setFocusPolicy(Qt::NoFocus);  // a heading: Enter belongs to the list
  heading_->setMinimumSize(280, 56);

  // The path is the system's text, not the data files'.
  data_directory_->setObjectName("DataDirectory");
  data_directory_->setVisible(!window_.DataDirectory.caption.empty());
  data_directory_->setAlignment(Qt::AlignCenter);
  data_directory_->setStyleSheet("QLabel#DataDirectory { color: white; }");

  list_->setObjectName("List1");
  QFont list_font = list_->font();
  list_font.setPointSize(list_font.pointSize() + 1);
  list_->setFont(list_font);
  list_->setSpacing(1);
  // The focus shows as a gold frame against the dark background.
  list_->setStyleSheet(
      "QListWidget#List1 { background: rgba(255, 255, 255, 235); border-radius: 6px;"
      " border: 3px solid rgba(255, 255, 255, 90); }"
      " QListWidget#List1:focus { border: 3px solid #f2c14e; }");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(40, 28, 40, 36);
  layout->setSpacing(22);
  layout->addWidget(heading_, 0, Qt::AlignHCenter);
  layout->addWidget(data_directory_);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(list_, 1);
  row->addStretch();
  layout->addLayout(row);
  layout->addStretch(1);  // the stones of the background show below the list

  // One click picks; so do the arrow keys and Enter (activation).
  connect(list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Pick(list_->row(item)); });
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Pick(list_->row(item)); });
}

void MakefileView::Load() {
  RunProcedure([this] { window_.Form_Load(); });
}

void MakefileView::Pick(int row) {
  // One gesture can give a click and an activation: only the first counts.
  if (running_ || host_.ended() || host_.error_reported()) return;
  window_.List1.list_index = row;
  RunProcedure([this] { window_.List1_Click(); });
}

void MakefileView::RunProcedure(const std::function<void()>& procedure) {
  running_ = true;
  host_.Run(procedure);
  running_ = false;
  Render();
}

void MakefileView::Render() {
  const int shown_lines = list_->count();
  list_->Render(window_.List1);
  if (list_->count() != shown_lines) {
    // Tall enough for every line, so the list never scrolls, and wide
    // enough for the longest.
    const int rows = list_->count();
    int height = 2 * list_->frameWidth() + 2 * list_->spacing() * rows;
    for (int i = 0; i < rows; ++i) height += list_->sizeHintForRow(i);
    list_->setFixedHeight(height + 4);
    const int width =
        list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 2 * list_->spacing() + 12;
    list_->setMinimumWidth(width);
    list_->setMaximumWidth(std::max(width, 420));
  }
  if (window_.visible() && !isVisible() && !host_.ended()) {
    show();
    // No line is picked yet: the first arrow key selects the first line.
    list_->setFocus();
  }
}

void MakefileView::ProcessPendingEvents() {
  Render();
  host_.ProcessPendingEvents();
}

void MakefileView::SetBusyPointer(bool busy) { host_.SetBusyPointer(busy); }

void MakefileView::EndProgram() { host_.EndProgram(); }

void MakefileView::closeEvent(QCloseEvent* event) {
  // While an action runs the window stays: the action ends the program.
  if (running_) {
    event->ignore();
    return;
  }
  event->accept();
  // Closing the window ends the program; no file is touched.
  host_.EndProgram();
}

void MakefileView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = rect();

  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, QColor(12, 24, 58));
  sky.setColorAt(0.6, QColor(30, 62, 110));
  sky.setColorAt(1, QColor(70, 40, 90));
  painter.fillRect(area, sky);

  QRadialGradient halo(area.center(), area.width() * 0.6);
  halo.setColorAt(0, QColor(255, 255, 255, 40));
  halo.setColorAt(1, QColor(255, 255, 255, 0));
  painter.fillRect(area, halo);

  const double w = area.width(), h = area.height();
  PaintGem(painter, QPointF(w * 0.20, h * 0.84), w * 0.22);
  PaintGem(painter, QPointF(w * 0.80, h * 0.82), w * 0.18);
  PaintGem(painter, QPointF(w * 0.50, h * 0.86), w * 0.12);
  const QPointF sparkles[] = {{0.08, 0.12}, {0.92, 0.18}, {0.14, 0.46}, {0.88, 0.44},
                              {0.30, 0.93}, {0.70, 0.95}, {0.95, 0.85}};
  for (const QPointF& s : sparkles) {
    PaintSparkle(painter, QPointF(w * s.x(), h * s.y()), std::min(w, h) * 0.025);
  }
}

}  // namespace cleanslate
