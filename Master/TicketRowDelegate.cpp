#include "Master/TicketRowDelegate.h"

#include "app/DateText.h"
#include "lottery/LotteryState.h"

#include <QPainter>
#include <QStringList>

namespace master {

TicketRowDelegate::TicketRowDelegate(HeaderedList& list, const RowsModel<lottery::TicketRow>& rows,
                                     const lottery::LotteryState& lottery, const app::DateText& dates)
    : RowDelegate(list, 20, 2), rows_(rows), lottery_(lottery), dates_(dates) {}

void TicketRowDelegate::PaintRow(QPainter& painter, const QRect& rect, int row, const RowColours& colours) const {
    const lottery::TicketRow& ticketRow = rows_.At(row);
    const lottery::TLine& ticket = lottery_.TicketList().TicketOf(ticketRow);
    if (lottery_.TicketExpired(ticket)) painter.setPen(colours.Shown(Qt::red));

    DrawText(painter, rect, Width(0) - TextWidth(painter, QStringLiteral("WW-W")),
             QString::fromStdString(ticketRow.Key()));
    for (int i = 1; i <= 6; ++i)
        DrawText(painter, rect, Left(i) + Width(i) - TextWidth(painter, QStringLiteral("WW")),
                 QString::fromStdString(ticket.NumberText(ticketRow.Board(), i)));
    DrawText(painter, rect, Left(7) + 5, QString::fromStdString(lottery::DrawDaysText(ticket.DrawDays())));
    const lottery::DayNumber last = lottery::TicketLastDrawDate(ticket);
    if (last != 0) DrawText(painter, rect, Left(8) + 10, dates_.Display(last, app::DateText::kShortDisplay));
}

QString TicketRowDelegate::RowText(int row) const {
    const lottery::TicketRow& ticketRow = rows_.At(row);
    const lottery::TLine& ticket = lottery_.TicketList().TicketOf(ticketRow);
    QStringList numbers;
    for (int i = 1; i <= 6; ++i) numbers << QString::fromStdString(ticket.NumberText(ticketRow.Board(), i));
    QStringList parts{QStringLiteral("Line ") + QString::fromStdString(ticketRow.Key()), numbers.join(u' '),
                      QStringLiteral("draw ") + QString::fromStdString(lottery::DrawDaysText(ticket.DrawDays()))};
    const lottery::DayNumber last = lottery::TicketLastDrawDate(ticket);
    if (last != 0) parts << QStringLiteral("renewal date ") + dates_.Display(last, app::DateText::kShortDisplay);
    if (lottery_.TicketExpired(ticket)) parts << QStringLiteral("expired");
    return parts.join(QStringLiteral(", "));
}

}  // namespace master
