#pragma once

#include "app/AppContext.h"
#include "lottery/NumberStatistics.h"

#include <QDialog>
#include <QImage>

#include <optional>

class QLabel;
class QPushButton;

namespace datepicker {
class DateField;
}

namespace master {

class NumberBarChart;

// How often each number was drawn over a range of recorded draws (the six
// balls, with the bonus ball stacked on them), and how many draws ago each
// was last drawn. The range starts as every recorded draw and follows the
// two date fields; clicking a bar shows that number's figures. The charts
// can be copied to the clipboard or saved as a PNG image.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(const app::AppContext& context, const lottery::THistoryList& history, QWidget* parent);

    datepicker::DateField* FromBox() const { return fromBox_; }
    datepicker::DateField* ToBox() const { return toBox_; }
    NumberBarChart* CountsChart() const { return countsChart_; }
    NumberBarChart* SinceChart() const { return sinceChart_; }
    QLabel* DrawsLabel() const { return drawsLabel_; }
    QLabel* FiguresLabel() const { return figuresLabel_; }
    QPushButton* CopyButton() const { return copyButton_; }
    QPushButton* SaveButton() const { return saveButton_; }
    // The statistics shown, none while a date is not valid.
    const std::optional<lottery::NumberStatistics>& Statistics() const { return statistics_; }

    // Both charts with their titles, as copied and saved.
    QImage ChartImage() const;
    void CopyClick();
    void SaveClick();
    // Recounts over the range the date fields hold.
    void Recount();
    void ShowFigures(int number);

public slots:
    void done(int result) override;

private:
    void BuildRange();
    void BuildCharts();
    void BuildButtons();
    datepicker::DateField* CreateDateBox(const QString& caption, int left);
    void ShowCharts();
    void ShowRangeFault(const QString& message);

    const app::AppContext& context_;
    const lottery::THistoryList& history_;
    std::optional<lottery::NumberStatistics> statistics_;
    datepicker::DateField* fromBox_ = nullptr;
    datepicker::DateField* toBox_ = nullptr;
    QLabel* drawsLabel_ = nullptr;
    QWidget* chartPanel_ = nullptr;
    NumberBarChart* countsChart_ = nullptr;
    NumberBarChart* sinceChart_ = nullptr;
    QLabel* figuresLabel_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace master
