#include "Master/RunStripChart.h"

#include "Master/TierColours.h"
#include "lottery/TicketRun.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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

int RunStripChart::LineCount() const {
    return std::max(1, (DrawCount() + MarksPerLine() - 1) / MarksPerLine());
}

// The lines share out the strip's height, so that a long run's marks stand
// taller than they are wide rather than leave the strip half empty; a short
// run's marks are at most twice as tall as wide.
int RunStripChart::LineTop(int line) const {
    const int height = std::min(Area().height(), 2 * CellSize() * LineCount());
    return Area().top() + line * height / LineCount();
}

// A one-pixel gap parts the marks once they are large enough to spare it.
QRect RunStripChart::MarkRect(int drawIndex) const {
    const int cell = CellSize();
    const int gap = cell >= 3 ? 1 : 0;
    const int line = drawIndex / MarksPerLine();
    const int top = LineTop(line);
    return {Area().left() + drawIndex % MarksPerLine() * cell, top, cell - gap, LineTop(line + 1) - top - gap};
}

int RunStripChart::MarkAt(const QPoint& point) const {
    const QRect area = Area();
    if (!area.contains(point)) return -1;
    const int cell = CellSize();
    const int column = (point.x() - area.left()) / cell;
    if (column >= MarksPerLine()) return -1;
    int line = 0;
    while (line < LineCount() && LineTop(line + 1) <= point.y()) ++line;
    const int drawIndex = line * MarksPerLine() + column;
    return line < LineCount() && drawIndex < DrawCount() ? drawIndex : -1;
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
