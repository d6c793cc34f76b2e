#include "datepicker/DateField.h"

#include "datepicker/TEPCalendarPopup.h"

#include <stdexcept>

namespace datepicker {

DateField::DateField(DateFieldServices services, QWidget* parent)
    : QComboBox(parent), services_(std::move(services)) {
    if (!services_.today || !services_.beep || !services_.dateFromText || !services_.textFromDate)
        throw std::invalid_argument("DateField needs today, beep and both date conversions");
    setEditable(true);
    // Enter in the text must not turn the typed date into a list entry.
    setInsertPolicy(QComboBox::NoInsert);
    cal_ = new TEPCalendarPopup(services_.today, this);
    connect(cal_, &TEPCalendarPopup::clicked, this, &DateField::CalClick);
}

void DateField::showPopup() {
    std::optional<QDate> date = services_.dateFromText(Text());
    if (!date) {
        services_.beep();
        date = services_.today();
    }
    const QPoint corner = mapToGlobal(QPoint(0, height() - 1));
    cal_->Popup(corner.x(), corner.y(), *date);
}

void DateField::CalClick(const QDate& date) {
    SetText(services_.textFromDate(date));
    emit datePicked(date);
}

}  // namespace datepicker
