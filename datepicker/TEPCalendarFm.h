#pragma once

#include <QDate>
#include <QFrame>

class QComboBox;

namespace datepicker {

class SymbolButton;
class TEPCalendar;

// The drop-down calendar window: a cancel and an OK button, a month box and a
// year box over a calendar grid. It is a borderless popup that stays on top
// and closes when the user clicks outside it; it deletes itself once closed.
class TEPCalendarFm : public QFrame {
    Q_OBJECT

public:
    // parent only ties the window's lifetime and stacking to its dialog;
    // the window is always a top-level popup.
    TEPCalendarFm(const QDate& today, QWidget* parent = nullptr);

    SymbolButton* CancelBt() const { return cancelBt_; }
    SymbolButton* OKBt() const { return okBt_; }
    QComboBox* MonthCb() const { return monthCb_; }
    QComboBox* YearCb() const { return yearCb_; }
    TEPCalendar* CalendarCd() const { return calendarCd_; }

    // Shows the date in the grid and the boxes, offering the years firstYear
    // to lastYear; a year outside them leaves the year box without a
    // selection. Raises no change events of the boxes.
    void ShowDate(const QDate& date, int firstYear, int lastYear);
    // Closes the window and reports the grid's date.
    void PickDate();

signals:
    void datePicked(const QDate& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls(const QDate& today);
    void SetUpCalendar();
    void ConnectControls();
    void MonthCbChange(int index);
    void YearCbChange(int index);

    SymbolButton* cancelBt_;
    SymbolButton* okBt_;
    QComboBox* monthCb_;
    QComboBox* yearCb_;
    TEPCalendar* calendarCd_;
    bool closed_ = false;
};

}  // namespace datepicker
