#include "Master/RunStripChart.h"

#include "Master/TierColours.h"
#include "lottery/TicketRun.h"

#include <QMouseEvent>
#include <QPainter>

namespace master {
namespace {

constexpr int kPadding = 4;
constexpr int kLargestCell = 14;

}  // namespace

RunStripChart::RunStripChart(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void RunStripChart::SetRun(const lottery::TicketRun* run) {
    run_ = run;
    current_ = -1;
    update();
}

void RunStripChart::SetCurrent(int drawIndex) {
    current_ = drawIndex >= 0 && drawIndex < DrawCount() ? drawIndex : -1;
    update();
}

int RunStripChart::DrawCount() const {
    return run_ ? static_cast<int>(run_->draws.size()) : 0;
}

QRect RunStripChart::Area() const {
    return contentsRect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
}

// The largest cell whose lines of marks all fit in the strip's height.
int RunStripChart::CellSize() const {
    const QRect area = Area();
    for (int cell = kLargestCell; cell > 1; --cell) {
        const int perLine = std::max(1, area.width() / cell);
        const int lines = (DrawCount() + perLine - 1) / perLine;
        if (lines * cell <= area.height()) return cell;
    }
    return 1;
}

int RunStripChart::MarksPerLine() const {
    return std::max(1, Area().width() / CellSize());
}

// A one-pixel gap parts the marks once they are large enough to spare it.
QRect RunStripChart::MarkRect(int drawIndex) const {
    const int cell = CellSize();
    const int gap = cell >= 3 ? 1 : 0;
    const QRect area = Area();
    return {area.left() + drawIndex % MarksPerLine() * cell, area.top() + drawIndex / MarksPerLine() * cell,
            cell - gap, cell - gap};
}

int RunStripChart::MarkAt(const QPoint& point) const {
    const QRect area = Area();
    if (!area.contains(point)) return -1;
    const int cell = CellSize();
    const int column = (point.x() - area.left()) / cell;
    if (column >= MarksPerLine()) return -1;
    const int drawIndex = (point.y() - area.top()) / cell * MarksPerLine() + column;
    return drawIndex < DrawCount() ? drawIndex : -1;
}

QColor RunStripChart::MarkColour(int drawIndex) const {
    const lottery::RunDraw& draw = run_->draws[static_cast<std::size_t>(drawIndex)];
    return draw.Recorded() ? TierColour(draw.BestTier()) : MissingResultColour();
}

void RunStripChart::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (DrawCount() == 0) {
        painter.setPen(MissingResultColour());
        painter.drawText(Area(), Qt::AlignCenter, QStringLiteral("No draws in this ticket's run yet"));
        return;
    }
    for (int drawIndex = 0; drawIndex < DrawCount(); ++drawIndex)
        painter.fillRect(MarkRect(drawIndex), MarkColour(drawIndex));
    if (current_ < 0) return;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(MarkRect(current_).adjusted(-1, -1, 0, 0));
}

void RunStripChart::mousePressEvent(QMouseEvent* event) {
    const int drawIndex = MarkAt(event->position().toPoint());
    if (drawIndex >= 0) emit MarkClicked(drawIndex);
}

}  // namespace master
