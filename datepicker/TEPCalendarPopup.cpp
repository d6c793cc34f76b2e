#include "datepicker/TEPCalendarPopup.h"

#include "datepicker/SymbolButton.h"
#include "datepicker/TEPCalendarFm.h"

#include <QWidget>

#include <memory>

namespace datepicker {
namespace {

// The year box reaches this far beyond the current year by default, so that
// it always offers this year and the years a ticket may run into.
constexpr int kYearsAhead = 10;

}  // namespace

TEPCalendarPopup::TEPCalendarPopup(Clock today, QWidget* parent)
    : QObject(parent),
      today_(std::move(today)),
      lastYear_(static_cast<quint16>(today_().year() + kYearsAhead)) {}

TEPCalendarPopup::~TEPCalendarPopup() {
    delete dropDown_;
}

TEPCalendarFm* TEPCalendarPopup::DropDown() const {
    return dropDown_;
}

void TEPCalendarPopup::Popup(int x, int y, const QDate& date) {
    // Closing deletes the old window once the current event is over, which
    // stays safe even when this call comes from that window's own pick.
    if (dropDown_) dropDown_->close();
    dropDown_ = nullptr;
    auto window = std::make_unique<TEPCalendarFm>(today_(), qobject_cast<QWidget*>(parent()));
    window->OKBt()->SetSymbolColor(okColor_);
    window->CancelBt()->SetSymbolColor(cancelColor_);
    window->move(x, y);
    connect(window.get(), &TEPCalendarFm::datePicked, this, &TEPCalendarPopup::clicked);
    window->ShowDate(date, firstYear_, lastYear_);
    dropDown_ = window.release();
    // A popup window always opens in front of the program's other windows.
    dropDown_->show();
}

}  // namespace datepicker
