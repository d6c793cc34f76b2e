#pragma once

#include "datepicker/DateFieldServices.h"

#include <QComboBox>

namespace datepicker {

class TEPCalendarPopup;

// A date field: a combo box with an editable short-date text and no list
// entries, whose drop-down opens the calendar just below it. A text that is
// no date gives a beep and a calendar at today; a picked date replaces the
// text. Closing the calendar without a pick leaves the text alone.
class DateField : public QComboBox {
    Q_OBJECT

public:
    // Throws std::invalid_argument when a service is missing.
    explicit DateField(DateFieldServices services, QWidget* parent = nullptr);

    // The field's calendar, for its year range and colours.
    TEPCalendarPopup* Cal() const { return cal_; }
    QString Text() const { return currentText(); }
    void SetText(const QString& text) { setEditText(text); }

    // The drop-down opens the calendar instead of a list.
    void showPopup() override;

signals:
    // A date was picked in the calendar and is now the field's text.
    void datePicked(const QDate& date);

private:
    void CalClick(const QDate& date);

    DateFieldServices services_;
    TEPCalendarPopup* cal_;
};

}  // namespace datepicker
