#include "Master/NumberBarChart.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace master {
namespace {

constexpr int kTitleHeight = 22;
constexpr int kScaleWidth = 44;
constexpr int kNumbersHeight = 16;
constexpr int kRightMargin = 8;
constexpr int kScaleLines = 4;
const QColor kGridColour(224, 224, 224);
const QColor kPickedShade(255, 236, 160);

// The smallest of 1, 2, 5, 10, 20, 50... that reaches the top in at most
// kScaleLines steps, so that the scale reads in round counts.
int RoundStep(int highest) {
    for (int power = 1;; power *= 10)
        for (const int factor : {1, 2, 5})
            if (highest <= factor * power * kScaleLines || power > 100000000) return factor * power;
}

}  // namespace

NumberBarChart::NumberBarChart(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void NumberBarChart::SetSeries(std::vector<Series> series) {
    series_ = std::move(series);
    update();
}

void NumberBarChart::SetPicked(int number) {
    picked_ = number >= 1 && number <= kNumbers ? number : 0;
    update();
}

QRect NumberBarChart::Plot() const {
    return QRect(kScaleWidth, kTitleHeight, width() - kScaleWidth - kRightMargin,
                 height() - kTitleHeight - kNumbersHeight);
}

int NumberBarChart::NumberAt(int x) const {
    const QRect plot = Plot();
    if (x < plot.left() || x > plot.right()) return 0;
    return std::min(kNumbers, (x - plot.left()) * kNumbers / plot.width() + 1);
}

QRect NumberBarChart::Column(int number) const {
    const QRect plot = Plot();
    const int left = plot.left() + (number - 1) * plot.width() / kNumbers;
    const int right = plot.left() + number * plot.width() / kNumbers;
    return QRect(left, plot.top(), right - left, plot.height());
}

int NumberBarChart::HighestStack() const {
    int highest = 1;
    for (int number = 1; number <= kNumbers; ++number) {
        int stacked = 0;
        for (const Series& series : series_) stacked += series.values.at(static_cast<std::size_t>(number - 1));
        highest = std::max(highest, stacked);
    }
    return highest;
}

int NumberBarChart::ScaleStep() const {
    return RoundStep(HighestStack());
}

int NumberBarChart::ScaleTop() const {
    const int step = ScaleStep();
    return (HighestStack() + step - 1) / step * step;
}

void NumberBarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picked_ != 0) painter.fillRect(Column(picked_), kPickedShade);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    PaintTitleAndKey(painter);
    PaintScale(painter);
    PaintBars(painter);
    PaintNumbers(painter);
}

void NumberBarChart::PaintTitleAndKey(QPainter& painter) const {
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(QRect(kScaleWidth, 0, width(), kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter.setFont(font());
    int right = width() - kRightMargin;
    for (auto series = series_.rbegin(); series != series_.rend(); ++series) {
        const int textWidth = painter.fontMetrics().horizontalAdvance(series->name);
        painter.drawText(QRect(right - textWidth, 0, textWidth, kTitleHeight), Qt::AlignVCenter, series->name);
        painter.fillRect(QRect(right - textWidth - 14, kTitleHeight / 2 - 5, 10, 10), series->colour);
        right -= textWidth + 28;
    }
}

void NumberBarChart::PaintScale(QPainter& painter) const {
    const QRect plot = Plot();
    const int top = ScaleTop();
    const int step = ScaleStep();
    for (int value = 0; value <= top; value += step) {
        const int y = plot.bottom() - static_cast<int>(static_cast<long long>(value) * plot.height() / top);
        painter.setPen(value == 0 ? QColor(Qt::black) : kGridColour);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, y - 8, kScaleWidth - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(value));
    }
}

int NumberBarChart::BarTop(int number, std::size_t seriesUpTo) const {
    long long stacked = 0;
    for (std::size_t index = 0; index <= seriesUpTo; ++index)
        stacked += series_[index].values.at(static_cast<std::size_t>(number - 1));
    const QRect plot = Plot();
    return plot.bottom() - static_cast<int>(stacked * plot.height() / ScaleTop());
}

// Each series' part of the bar stands on the parts before it.
void NumberBarChart::PaintBars(QPainter& painter) const {
    const int foot = Plot().bottom();
    for (int number = 1; number <= kNumbers; ++number) {
        const QRect column = Column(number);
        int base = foot;
        for (std::size_t index = 0; index < series_.size(); ++index) {
            const int top = BarTop(number, index);
            painter.fillRect(QRect(QPoint(column.left() + 2, top), QPoint(column.right() - 1, base - 1)),
                             series_[index].colour);
            base = top;
        }
    }
}

void NumberBarChart::PaintNumbers(QPainter& painter) const {
    QFont small = font();
    small.setPixelSize(9);
    const int top = Plot().bottom() + 2;
    for (int number = 1; number <= kNumbers; ++number) {
        small.setBold(number == picked_);
        painter.setFont(small);
        const QRect column = Column(number);
        painter.drawText(QRect(column.left() - 4, top, column.width() + 8, kNumbersHeight - 2), Qt::AlignCenter,
                         QString::number(number));
    }
}

void NumberBarChart::keyPressEvent(QKeyEvent* event) {
    int number = 0;
    switch (event->key()) {
    case Qt::Key_Left: number = std::max(1, picked_ - 1); break;
    case Qt::Key_Right: number = std::min(kNumbers, picked_ + 1); break;
    case Qt::Key_Home: number = 1; break;
    case Qt::Key_End: number = kNumbers; break;
    default: QWidget::keyPressEvent(event); return;
    }
    emit NumberClicked(number);
}

void NumberBarChart::mousePressEvent(QMouseEvent* event) {
    const int number = NumberAt(event->position().toPoint().x());
    if (number != 0) emit NumberClicked(number);
}

}  // namespace master
