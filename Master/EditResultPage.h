#pragma once

#include "lottery/THistoryLine.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {
class DateText;
}

namespace master {

// Page 4, "Edit Result": the six winning numbers and the bonus ball of one
// draw in seven two-digit fields. "Save" returns to the history; "Next >"
// goes on to the result sheet.
class EditResultPage : public QWidget {
    Q_OBJECT
public:
    EditResultPage(const app::DateText& dates, QWidget* parent);

    // Fills the labels and fields from the draw; nextMode captions the save
    // button "Next >" instead of "Save".
    void Open(const lottery::THistoryLine& draw, bool nextMode);
    bool NextMode() const;
    std::array<QString, lottery::THistoryLine::kNumberCount> Texts() const;
    QLineEdit* Memo(int number) const { return memos_[number - 1]; }  // 1..7

    QPushButton* Button10() const { return button10_; }
    QPushButton* Button12() const { return button12_; }

signals:
    // Enter in a field that asks for the save action, as a click would.
    void SaveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(QLineEdit* memo, int key, const QString& text);

    const app::DateText& dates_;
    QLabel* drawNumberLabel_;
    QLabel* dateofDrawLabel_;
    std::array<QLineEdit*, lottery::THistoryLine::kNumberCount> memos_{};
    QPushButton* button10_;
    QPushButton* button12_;
};

}  // namespace master
