#pragma once

#include <QFrame>

namespace lottery {
struct TicketRun;
}

namespace master {

// The run of a ticket at a glance: one square mark per draw, in draw order,
// left to right and wrapped into as many lines as it takes, each mark
// coloured by the best tier of its draw, grey where the result is missing.
// The marks are as large as the strip allows, so a few weeks' run shows
// large marks and thirty years' run still fits whole.
class RunStripChart : public QFrame {
    Q_OBJECT
public:
    explicit RunStripChart(QWidget* parent);

    // The run must outlive the chart's use of it.
    void SetRun(const lottery::TicketRun* run);
    // The draw framed as the current one, or none for -1.
    void SetCurrent(int drawIndex);
    int Current() const { return current_; }

    // The draw whose mark lies under the point, or -1.
    int MarkAt(const QPoint& point) const;
    QRect MarkRect(int drawIndex) const;

signals:
    void MarkClicked(int drawIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int DrawCount() const;
    QRect Area() const;
    int CellSize() const;
    int MarksPerLine() const;
    int LineCount() const;
    int LineTop(int line) const;
    QColor MarkColour(int drawIndex) const;

    const lottery::TicketRun* run_ = nullptr;
    int current_ = -1;
};

}  // namespace master
