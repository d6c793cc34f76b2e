#pragma once

#include <QWidget>

class QPushButton;

namespace app {
class Platform;
}
namespace lottery {
class LotteryState;
struct ImportResult;
}

namespace master {

// Page 2, "Import Numbers": rebuilds the results history from a downloaded
// text file of past results.
class ImportPage : public QWidget {
    Q_OBJECT
public:
    ImportPage(app::Platform& platform, lottery::LotteryState& lottery, QWidget* parent);

    QPushButton* Button1() const { return button1_; }
    QPushButton* Button8() const { return button8_; }

    void Button1Click();

signals:
    // The import has run, well or not: the history list wants refreshing.
    void Finished();

private:
    void Import(const QString& path);
    void ReportImportFailure(const QString& reason);
    void ReportDrawsLeftOut(const lottery::ImportResult& result);

    app::Platform& platform_;
    lottery::LotteryState& lottery_;
    QPushButton* button1_;
    QPushButton* button8_;
};

}  // namespace master
