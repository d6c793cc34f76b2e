#include "datepicker/TEPCalendarFm.h"

#include "datepicker/SymbolButton.h"
#include "datepicker/TEPCalendar.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLocale>
#include <QSignalBlocker>

namespace datepicker {
namespace {

constexpr int kBorder = 1;
constexpr QSize kClientSize(195, 130);
constexpr int kStripHeight = 22;
constexpr int kButtonSize = 21;
constexpr int kFontPixels = 11;

}  // namespace

TEPCalendarFm::TEPCalendarFm(const QDate& today, QWidget* parent) : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kBorder);
    setAccessibleName(QStringLiteral("Date picker"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    QFont windowFont = font();
    windowFont.setPixelSize(kFontPixels);
    setFont(windowFont);
    setFixedSize(kClientSize + QSize(2 * kBorder, 2 * kBorder));
    CreateControls(today);
    SetUpCalendar();
    ConnectControls();
    calendarCd_->setFocus();
}

void TEPCalendarFm::CreateControls(const QDate& today) {
    cancelBt_ = new SymbolButton(SymbolButton::Cross, this);
    cancelBt_->setGeometry(kBorder, kBorder, kButtonSize, kButtonSize);
    okBt_ = new SymbolButton(SymbolButton::Tick, this);
    okBt_->setGeometry(kBorder + kButtonSize, kBorder, kButtonSize, kButtonSize);
    cancelBt_->setAccessibleName(QStringLiteral("Cancel"));
    okBt_->setAccessibleName(QStringLiteral("OK"));

    monthCb_ = new QComboBox(this);
    const QLocale locale = this->locale();
    for (int month = 1; month <= 12; ++month)
        monthCb_->addItem(locale.standaloneMonthName(month, QLocale::LongFormat));
    monthCb_->setMaxVisibleItems(12);
    monthCb_->setGeometry(kBorder + 43, kBorder, 95, kStripHeight);
    monthCb_->setAccessibleName(QStringLiteral("Month"));

    yearCb_ = new QComboBox(this);
    yearCb_->setMaxVisibleItems(10);
    yearCb_->setGeometry(kBorder + 135, kBorder, 60, kStripHeight);
    yearCb_->setAccessibleName(QStringLiteral("Year"));

    calendarCd_ = new TEPCalendar(today, this);
    for (QWidget* control : {static_cast<QWidget*>(cancelBt_), static_cast<QWidget*>(okBt_),
                             static_cast<QWidget*>(monthCb_), static_cast<QWidget*>(yearCb_),
                             static_cast<QWidget*>(calendarCd_)})
        control->installEventFilter(this);
    installEventFilter(this);
}

// Days of the adjacent months are shown in grey but cannot be picked, and the
// grid fills the window below the strip without snapping to whole cells.
void TEPCalendarFm::SetUpCalendar() {
    const QPalette& colours = palette();
    calendarCd_->SetBorderStyle(bsNone);
    calendarCd_->SetCtl3D(true);
    calendarCd_->SetColor(colours.color(QPalette::Light));
    calendarCd_->SetGrayTextColor(colours.color(QPalette::Dark));
    calendarCd_->SetFontColor(colours.color(QPalette::ButtonText));
    calendarCd_->SetHeadingFont(font());
    calendarCd_->SetHeadingFontColor(colours.color(QPalette::ButtonText));
    calendarCd_->SetOptions(epcoShowHeadings | epcoUseHeadingFont | epcoDefaultDrawing |
                            epcoDrawAllDates | epcoDrawGridLines | epcoDrawSelected |
                            epcoDrawFocused);
    calendarCd_->SetStartOfWeek(epdSunday);
    calendarCd_->SetHeadingStyle(epdShortName);
    calendarCd_->SetAlignment(epcaCenter);
    calendarCd_->setGeometry(kBorder, kBorder + kStripHeight, kClientSize.width(),
                             kClientSize.height() - kStripHeight);
}

void TEPCalendarFm::ConnectControls() {
    connect(okBt_, &QToolButton::clicked, this, &TEPCalendarFm::PickDate);
    connect(cancelBt_, &QToolButton::clicked, this, &TEPCalendarFm::close);
    connect(calendarCd_, &TEPCalendar::doubleClicked, this, &TEPCalendarFm::PickDate);
    connect(monthCb_, &QComboBox::currentIndexChanged, this, &TEPCalendarFm::MonthCbChange);
    connect(yearCb_, &QComboBox::currentIndexChanged, this, &TEPCalendarFm::YearCbChange);
}

void TEPCalendarFm::ShowDate(const QDate& date, int firstYear, int lastYear) {
    calendarCd_->SetSelectedDate(date);
    const QSignalBlocker monthBlocker(monthCb_);
    const QSignalBlocker yearBlocker(yearCb_);
    yearCb_->clear();
    for (int year = firstYear; year <= lastYear; ++year) yearCb_->addItem(QString::number(year));
    monthCb_->setCurrentIndex(date.month() - 1);
    const int yearIndex = date.year() - firstYear;
    yearCb_->setCurrentIndex(yearIndex >= 0 && yearIndex < yearCb_->count() ? yearIndex : -1);
}

void TEPCalendarFm::MonthCbChange(int index) {
    if (index >= 0) calendarCd_->SetMonth(index + 1);
}

void TEPCalendarFm::YearCbChange(int index) {
    if (index >= 0) calendarCd_->SetYear(yearCb_->itemText(index).toInt());
}

void TEPCalendarFm::PickDate() {
    // The window is deleted only after the current event, so the grid can
    // still be read.
    close();
    emit datePicked(calendarCd_->SelectedDate());
}

void TEPCalendarFm::closeEvent(QCloseEvent* event) {
    closed_ = true;
    QFrame::closeEvent(event);
}

// The window sees every key before its controls do. Enter picks the date; Esc
// and Alt close the window. The key then still reaches the focused control,
// and may bubble up to the window again, which the closed flag makes harmless.
bool TEPCalendarFm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !closed_) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: PickDate(); break;
        case Qt::Key_Escape:
        case Qt::Key_Alt: close(); break;
        default: break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace datepicker
