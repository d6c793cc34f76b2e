#include "datepicker/TEPCalendar.h"

#include "datepicker/CalendarAccessible.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace datepicker {
namespace {

constexpr int kColumns = CalendarGeometry::kColumns;
constexpr int kRows = CalendarGeometry::kRows;
// The gap between a day number and its cell's edge. Fonts here are always
// given by pixel size, for which the classic rule of a fifth of the font's
// cell height setting comes to one pixel.
constexpr int kTextMargin = 1;

bool IsEncodableYear(int year) {
    return year >= 1 && year <= 9999;
}

[[noreturn]] void ThrowDateEncodeError() {
    throw std::invalid_argument("Invalid argument to date encode");
}

QString WeekdayName(const QLocale& locale, TEPDayOfWeek day, TEPDayStyle style) {
    const int qtDay = day == epdSunday ? Qt::Sunday : static_cast<int>(day);
    if (style == epdLongName) return locale.standaloneDayName(qtDay, QLocale::LongFormat);
    const QString shortName = locale.standaloneDayName(qtDay, QLocale::ShortFormat);
    return style == epdSingleLetter ? shortName.left(1) : shortName;
}

QColor Inverted(const QColor& color) {
    return QColor(255 - color.red(), 255 - color.green(), 255 - color.blue());
}

}  // namespace

TEPCalendar::TEPCalendar(const QDate& today, QWidget* parent) : QAbstractScrollArea(parent) {
    // Before anything here makes Qt ask for the calendar's interface, which
    // it then keeps.
    static const bool accessibleDays = (QAccessible::installFactory(&CalendarAccessible::Create), true);
    Q_UNUSED(accessibleDays);
    setAccessibleName(QStringLiteral("Calendar"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    color_ = palette().color(QPalette::Base);
    grayTextColor_ = palette().color(QPalette::Disabled, QPalette::Text);
    headingColor_ = palette().color(QPalette::Button);
    fontColor_ = palette().color(QPalette::Text);
    FollowFont();
    ApplyFrame();
    resize(sizeHint());
    SetSelectedDate(today);
}

// ---- Date and its parts ----------------------------------------------------

void TEPCalendar::SetSelectedDate(const QDate& date) {
    if (!date.isValid() || !IsEncodableYear(date.year())) ThrowDateEncodeError();
    if (date == selectedDate_) return;
    selectedDate_ = date;
    FocusDateCell();
    Repaint();
    Change();
}

void TEPCalendar::SetDateParts(int year, int month, int day) {
    if (!IsEncodableYear(year)) ThrowDateEncodeError();
    SetSelectedDate(QDate(year, month, std::min(day, QDate(year, month, 1).daysInMonth())));
}

void TEPCalendar::SetDay(int day) {
    const bool fits = day >= 1 && day <= selectedDate_.daysInMonth();
    SetDateParts(Year(), Month(), fits ? day : Day());
}

void TEPCalendar::SetMonth(int month) {
    SetDateParts(Year(), month >= 1 && month <= 12 ? month : Month(), Day());
}

void TEPCalendar::SetYear(int year) {
    SetDateParts(year, Month(), Day());
}

void TEPCalendar::Change() {
    AnnounceFocusedDay();
    emit changed();
}

// A screen reader follows the arrow keys from day to day.
void TEPCalendar::AnnounceFocusedDay() {
    if (!hasFocus() || !QAccessible::isActive()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(CalendarDayAccessible::IndexOf(focusedCell_));
    QAccessible::updateAccessibility(&focus);
}

// ---- Appearance settings ---------------------------------------------------

void TEPCalendar::SetStartOfWeek(TEPDayOfWeek day) {
    if (day == startOfWeek_) return;
    startOfWeek_ = day;
    FocusDateCell();
    Repaint();
}

void TEPCalendar::SetAlignment(TEPCalendarAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Repaint();
}

void TEPCalendar::SetHeadingStyle(TEPDayStyle style) {
    if (style == headingStyle_) return;
    headingStyle_ = style;
    Repaint();
}

void TEPCalendar::SetColor(const QColor& color) {
    color_ = color;
    Repaint();
}

void TEPCalendar::SetGrayTextColor(const QColor& color) {
    if (color == grayTextColor_) return;
    grayTextColor_ = color;
    Repaint();
}

void TEPCalendar::SetHeadingColor(const QColor& color) {
    if (color == headingColor_) return;
    headingColor_ = color;
    Repaint();
}

void TEPCalendar::SetFontColor(const QColor& color) {
    fontColor_ = color;
    if (!options_.testFlag(epcoUseHeadingFont)) FollowFont();
    UpdateCellSizes();
}

void TEPCalendar::SetHeadingFont(const QFont& font) {
    headingFont_ = font;
    options_ |= epcoUseHeadingFont;
    UpdateCellSizes();
}

void TEPCalendar::SetHeadingFontColor(const QColor& color) {
    headingFontColor_ = color;
    options_ |= epcoUseHeadingFont;
    UpdateCellSizes();
}

void TEPCalendar::FollowFont() {
    headingFont_ = font();
    headingFontColor_ = fontColor_;
}

void TEPCalendar::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() != QEvent::FontChange) return;
    if (!options_.testFlag(epcoUseHeadingFont)) FollowFont();
    UpdateCellSizes();
}

void TEPCalendar::SetOptions(TEPCalendarOptions options) {
    if (options == options_) return;
    const TEPCalendarOptions old = options_;
    if (old.testFlag(epcoUseHeadingFont) && !options.testFlag(epcoUseHeadingFont)) FollowFont();
    if (options.testFlag(epcoSelectAllDates)) options |= epcoDrawAllDates;
    options_ = options;
    const TEPCalendarOptions changedOptions = old ^ options;
    if (changedOptions.testFlag(epcoShowHeadings))
        ShowHeadingsChanged(old);
    else if (changedOptions & (epcoIntegralSize | epcoUseHeadingFont | epcoDrawGridLines))
        UpdateCellSizes();
    else
        Repaint();
}

// The heading row appears or disappears without squeezing the week rows: the
// control grows or shrinks by the row and its grid line.
void TEPCalendar::ShowHeadingsChanged(TEPCalendarOptions oldOptions) {
    const int step = HeadingHeight(oldOptions | epcoShowHeadings) + LineWidth(oldOptions);
    const bool shown = options_.testFlag(epcoShowHeadings);
    resize(width(), height() + (shown ? step : -step));
    UpdateCellSizes();
}

void TEPCalendar::SetBorderStyle(TEPBorderStyle style) {
    if (style == borderStyle_) return;
    const QSize client = contentsRect().size();
    borderStyle_ = style;
    ApplyFrame();
    if (options_.testFlag(epcoIntegralSize)) resize(client + FrameSize());
    UpdateCellSizes();
}

void TEPCalendar::SetCtl3D(bool on) {
    if (on == ctl3D_) return;
    ctl3D_ = on;
    ApplyFrame();
    UpdateCellSizes();
}

void TEPCalendar::ApplyFrame() {
    if (borderStyle_ == bsNone) {
        setFrameStyle(QFrame::NoFrame);
    } else if (ctl3D_) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
}

void TEPCalendar::Repaint() {
    viewport()->update();
}

// ---- Sizing ----------------------------------------------------------------

int TEPCalendar::LineWidth(TEPCalendarOptions options) const {
    return ctl3D_ || options.testFlag(epcoDrawGridLines) ? 1 : 0;
}

int TEPCalendar::HeadingHeight(TEPCalendarOptions options) const {
    return CalendarGeometry::HeadingHeight(options.testFlag(epcoShowHeadings),
                                           QFontInfo(headingFont_).pixelSize(),
                                           LineWidth(options));
}

QSize TEPCalendar::FrameSize() const {
    return size() - contentsRect().size();
}

CalendarGeometry TEPCalendar::Geometry() const {
    return CalendarGeometry(contentsRect().size(), HeadingHeight(options_), LineWidth(options_));
}

QRect TEPCalendar::CellRect(int column, int row) const {
    return Geometry().CellRect(column, row);
}

void TEPCalendar::ApplyIntegralSize() {
    if (!options_.testFlag(epcoIntegralSize)) return;
    const QSize snapped = CalendarGeometry::IntegralSize(size(), FrameSize(),
                                                         HeadingHeight(options_),
                                                         LineWidth(options_));
    if (snapped != size()) resize(snapped);
}

void TEPCalendar::UpdateCellSizes() {
    ApplyIntegralSize();
    updateGeometry();
    Repaint();
}

void TEPCalendar::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ApplyIntegralSize();
}

QSize TEPCalendar::sizeHint() const {
    const QFontMetrics dayMetrics(font());
    const QFontMetrics headingMetrics(headingFont_);
    int columnWidth = dayMetrics.horizontalAdvance(QStringLiteral("00"));
    for (int column = 0; column < kColumns; ++column)
        columnWidth = std::max(columnWidth, headingMetrics.horizontalAdvance(CellText(column, 0)));
    columnWidth += 8;
    const int rowHeight = dayMetrics.height() + 2;
    const int line = LineWidth(options_);
    const QSize frame(2 * frameWidth(), 2 * frameWidth());
    return frame + QSize(kColumns * (columnWidth + line) - line,
                         HeadingHeight(options_) + CalendarGeometry::kWeekRows * (rowHeight + line));
}

// ---- Cells -----------------------------------------------------------------

QDate TEPCalendar::DateOfCell(int column, int row) const {
    return Layout().DateOfCell(column, row);
}

QString TEPCalendar::CellText(int column, int row) const {
    if (row == 0)
        return WeekdayName(locale(), static_cast<TEPDayOfWeek>((startOfWeek_ + column) % 7),
                           headingStyle_);
    return QString::number(DateOfCell(column, row).day());
}

bool TEPCalendar::SelectCell(int column, int row) const {
    if (options_.testFlag(epcoReadOnly)) return false;
    const QDate date = DateOfCell(column, row);
    bool canSelect = Layout().InShownMonth(date) || options_.testFlag(epcoSelectAllDates);
    if (canSelect && onSelectDate_) onSelectDate_(date, canSelect);
    return canSelect;
}

void TEPCalendar::FocusDateCell() {
    focusedCell_ = Layout().CellOfDay(Day());
}

// ---- Mouse and keyboard ----------------------------------------------------

void TEPCalendar::Click() {
    emit clicked();
    const QDate date = DateOfCell(focusedCell_.x(), focusedCell_.y());
    if (!date.isValid() || date == selectedDate_) return;
    if (Layout().InShownMonth(date)) {
        // Same month: the layout stays and the focus is already on the day.
        selectedDate_ = date;
        Repaint();
        Change();
    } else {
        SetSelectedDate(date);
    }
}

void TEPCalendar::MoveFocus(const QPoint& cell) {
    focusedCell_ = cell;
    Repaint();
    Click();
}

void TEPCalendar::MousePress(const QPoint& point, bool doublePress) {
    const std::optional<QPoint> cell = Geometry().CellAt(point);
    if (cell && SelectCell(cell->x(), cell->y())) {
        setFocus(Qt::MouseFocusReason);
        // The heading row is fixed: it never takes the focus.
        if (cell->y() > 0) MoveFocus(*cell);
        if (doublePress) emit doubleClicked();
        return;
    }
    if (!doublePress) setFocus(Qt::MouseFocusReason);
    if (!options_.testFlag(epcoReadOnly)) return;
    if (doublePress)
        emit doubleClicked();
    else
        Click();
}

void TEPCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    MousePress(event->position().toPoint(), false);
}

void TEPCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(event);
    MousePress(event->position().toPoint(), true);
}

// The press did all the work; its release must not reach the parent.
void TEPCalendar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
    event->accept();
}

std::optional<QPoint> TEPCalendar::KeyTarget(const QKeyEvent& event) const {
    const QPoint cell = focusedCell_;
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_Left: return cell - QPoint(1, 0);
    case Qt::Key_Right: return cell + QPoint(1, 0);
    case Qt::Key_Up: return cell - QPoint(0, 1);
    case Qt::Key_Down: return cell + QPoint(0, 1);
    case Qt::Key_Home: return control ? QPoint(0, 1) : QPoint(0, cell.y());
    case Qt::Key_End: return control ? QPoint(kColumns - 1, kRows - 1) : QPoint(kColumns - 1, cell.y());
    case Qt::Key_PageUp: return QPoint(cell.x(), 1);
    case Qt::Key_PageDown: return QPoint(cell.x(), kRows - 1);
    default: return std::nullopt;
    }
}

void TEPCalendar::keyPressEvent(QKeyEvent* event) {
    const std::optional<QPoint> target = KeyTarget(*event);
    if (!target) return QAbstractScrollArea::keyPressEvent(event);
    event->accept();
    const bool inside = target->x() >= 0 && target->x() < kColumns && target->y() >= 1 &&
                        target->y() < kRows;
    if (inside && *target != focusedCell_ && SelectCell(target->x(), target->y()))
        MoveFocus(*target);
}

void TEPCalendar::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    Repaint();
    AnnounceFocusedDay();
}

void TEPCalendar::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    Repaint();
}

// ---- Painting --------------------------------------------------------------

TGridDrawState TEPCalendar::StateOf(int column, int row) const {
    TGridDrawState state;
    if (row == 0) state |= gdFixed;
    if (QPoint(column, row) == focusedCell_) {
        state |= gdSelected;
        if (hasFocus()) state |= gdFocused;
    }
    return state;
}

void TEPCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const CalendarGeometry geometry = Geometry();
    const int headingBand = geometry.CellRect(0, 1).top();
    painter.fillRect(0, 0, viewport()->width(), headingBand, headingColor_);
    painter.fillRect(0, headingBand, viewport()->width(), viewport()->height(), color_);
    PaintGridLines(painter, geometry);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QRect rect = geometry.CellRect(column, row);
            if (rect.isEmpty()) continue;
            painter.save();
            DrawCell(painter, column, row, rect, StateOf(column, row));
            painter.restore();
        }
    }
}

// The heading row keeps its lines while Ctl3D is on; the lines between the
// date cells are drawn only with epcoDrawGridLines.
void TEPCalendar::PaintGridLines(QPainter& painter, const CalendarGeometry& geometry) const {
    const int line = geometry.LineWidth();
    if (line == 0) return;
    const QColor lineColor = palette().color(ctl3D_ ? QPalette::Button : QPalette::Shadow);
    const bool headingLines = options_.testFlag(epcoDrawGridLines) || ctl3D_;
    const bool dateLines = options_.testFlag(epcoDrawGridLines);
    for (int row = 0; row < kRows; ++row) {
        if (!(row == 0 ? headingLines : dateLines)) continue;
        for (int column = 0; column < kColumns; ++column) {
            const QRect cell = geometry.CellRect(column, row);
            if (cell.isEmpty()) continue;  // hidden headings take no space, not even a line
            if (column < kColumns - 1)
                painter.fillRect(cell.right() + 1, cell.top(), line, cell.height(), lineColor);
            if (row < kRows - 1)
                painter.fillRect(cell.left(), cell.bottom() + 1, cell.width() + line, line,
                                 lineColor);
        }
    }
}

void TEPCalendar::DrawCell(QPainter& painter, int column, int row, const QRect& rect,
                           TGridDrawState state) {
    const QDate date = DateOfCell(column, row);
    const bool fixed = state.testFlag(gdFixed);
    const bool otherMonth = row > 0 && !Layout().InShownMonth(date);
    painter.setFont(fixed ? headingFont_ : font());
    QColor text = fixed ? headingFontColor_ : fontColor_;
    if (otherMonth && options_.testFlag(epcoDrawAllDates)) text = grayTextColor_;
    QColor background = fixed ? headingColor_ : color_;
    if (state.testFlag(gdSelected) && options_.testFlag(epcoDrawSelected)) {
        background = palette().color(QPalette::Highlight);
        text = palette().color(QPalette::HighlightedText);
    }
    if (row > 0 && onSelectColor_) onSelectColor_(state, date, background, text);
    painter.setPen(text);
    painter.setBrush(background);

    if (options_.testFlag(epcoDefaultDrawing)) {
        painter.fillRect(rect, background);
        if (row == 0)
            DrawHeadingText(painter, CellText(column, row), rect);
        else if (!otherMonth || options_.testFlag(epcoDrawAllDates))
            DrawDayText(painter, CellText(column, row), rect);
    }
    if (row == 0 && onDrawHeading_) {
        painter.save();
        onDrawHeading_(painter, rect, static_cast<TEPDayOfWeek>((startOfWeek_ + column) % 7));
        painter.restore();
    }
    if (row > 0 && onDrawDate_) {
        painter.save();
        onDrawDate_(painter, state, rect, date);
        painter.restore();
    }
    if (fixed && ctl3D_) DrawRaisedEdge(painter, rect);
    if (state.testFlag(gdFocused) && options_.testFlag(epcoDrawFocused))
        DrawFocusRect(painter, rect, background);
}

void TEPCalendar::DrawHeadingText(QPainter& painter, const QString& text,
                                  const QRect& rect) const {
    const QFontMetrics metrics(painter.font());
    const int left = rect.left() + (rect.width() - metrics.horizontalAdvance(text)) / 2;
    const int top = rect.top() + (rect.height() - metrics.height()) / 2;
    painter.setClipRect(rect);
    painter.drawText(left, top + metrics.ascent(), text);
    painter.setClipping(false);
}

void TEPCalendar::DrawDayText(QPainter& painter, const QString& text, const QRect& rect) const {
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text);
    int left = rect.left() + (rect.width() - width) / 2;
    int top = rect.top() + kTextMargin;
    switch (alignment_) {
    case epcaTopLeft: left = rect.left() + kTextMargin + 1; break;
    case epcaTopCenter: break;
    case epcaTopRight: left = rect.left() + rect.width() - kTextMargin - 1 - width; break;
    case epcaCenter: top = rect.top() + (rect.height() - metrics.height()) / 2; break;
    }
    painter.setClipRect(rect);
    painter.drawText(left, top + metrics.ascent(), text);
    painter.setClipping(false);
}

// A fixed cell looks raised: a light line up its left edge and along its top.
void TEPCalendar::DrawRaisedEdge(QPainter& painter, const QRect& rect) const {
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(rect.bottomLeft(), rect.topLeft());
    painter.drawLine(rect.topLeft(), rect.topRight());
}

// The dotted focus rectangle, in the inverse of the cell's colour as the
// system's exclusive-or focus rectangle would appear.
void TEPCalendar::DrawFocusRect(QPainter& painter, const QRect& rect,
                                const QColor& background) const {
    painter.setPen(QPen(Inverted(background), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

}  // namespace datepicker
