#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

namespace master {

// A bar for each number 1..49, its series stacked one on the other, under a
// title with a key to the series' colours and over a scale of whole counts.
// Clicking a bar picks that number, as do the arrow keys, Home and End
// from the keyboard; the picked number's place is shaded.
class NumberBarChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNumbers = 49;

    struct Series {
        QString name;
        QColor colour;
        std::vector<int> values;  // numbers 1..49 at 0..48
    };

    NumberBarChart(const QString& title, QWidget* parent);

    void SetSeries(std::vector<Series> series);
    void SetPicked(int number);  // 0 for none
    int Picked() const { return picked_; }

    // The number whose column lies under x, or 0.
    int NumberAt(int x) const;
    // The column of a number, from the top of the plot to its foot.
    QRect Column(int number) const;

signals:
    void NumberClicked(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect Plot() const;
    int HighestStack() const;
    int ScaleTop() const;
    int ScaleStep() const;
    int BarTop(int number, std::size_t seriesUpTo) const;
    void PaintTitleAndKey(QPainter& painter) const;
    void PaintScale(QPainter& painter) const;
    void PaintBars(QPainter& painter) const;
    void PaintNumbers(QPainter& painter) const;

    QString title_;
    std::vector<Series> series_;
    int picked_ = 0;
};

}  // namespace master
