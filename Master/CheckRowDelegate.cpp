#include "Master/CheckRowDelegate.h"

#include "lottery/PrizeTier.h"

#include <QPainter>
#include <QStringList>

namespace master {

CheckRowDelegate::CheckRowDelegate(HeaderedList& list, const RowsModel<lottery::CheckRow>& rows,
                                   const lottery::TLineList& tickets)
    : RowDelegate(list, 24, 4), rows_(rows), tickets_(tickets) {}

void CheckRowDelegate::PaintRow(QPainter& painter, const QRect& rect, int row, const RowColours& colours) const {
    if (!draw_) return;
    const lottery::CheckRow& checkRow = rows_.At(row);
    DrawText(painter, rect, Width(0) / 2 - TextWidth(painter, QStringLiteral("WWWW")) / 2,
             QString::fromStdString(lottery::TicketRowKey(checkRow.TicketNumber(), checkRow.Board())));
    const QFont normal = painter.font();
    for (int position = 1; position <= lottery::TLine::kNumbersPerBoard; ++position) {
        StyleNumber(painter, checkRow, position, colours);
        DrawText(painter, rect, Centred(painter, position, QStringLiteral("WW")),
                 QString::fromStdString(tickets_.TicketOf(checkRow).NumberText(checkRow.Board(), position)));
        painter.setFont(normal);
        painter.setPen(colours.Text());
    }
    DrawText(painter, rect, Left(7) + 5, QString::fromStdString(lottery::ResultSheetTierText(checkRow.Tier())));
}

// The tier first, as the rows are ordered by it; then the numbers, and
// apart from them the drawn ones, which the row shows in red.
QString CheckRowDelegate::RowText(int row) const {
    const lottery::CheckRow& checkRow = rows_.At(row);
    const lottery::TLine& ticket = tickets_.TicketOf(checkRow);
    const QString tier = QString::fromStdString(lottery::ResultSheetTierText(checkRow.Tier()));
    QStringList numbers;
    QStringList drawn;
    QString bonus;
    for (int position = 1; position <= lottery::TLine::kNumbersPerBoard; ++position) {
        const QString number = QString::fromStdString(ticket.NumberText(checkRow.Board(), position));
        numbers << number;
        if (!draw_) continue;
        if (lottery::BoardNumberDrawn(ticket, *draw_, checkRow.Board(), position))
            drawn << number;
        else if (checkRow.Tier() == '2' && lottery::BoardNumberIsBonus(ticket, *draw_, checkRow.Board(), position))
            bonus = number;
    }
    QStringList parts{tier.isEmpty() ? QStringLiteral("No prize") : tier,
                      QStringLiteral("Line ") + QString::fromStdString(lottery::TicketRowKey(checkRow.TicketNumber(),
                                                                                             checkRow.Board())),
                      numbers.join(u' '),
                      drawn.isEmpty() ? QStringLiteral("none drawn") : QStringLiteral("drawn ") + drawn.join(u' ')};
    if (!bonus.isEmpty()) parts << QStringLiteral("bonus ball ") + bonus;
    return parts.join(QStringLiteral(", "));
}

void CheckRowDelegate::StyleNumber(QPainter& painter, const lottery::CheckRow& checkRow, int position,
                                   const RowColours& colours) const {
    QFont font = painter.font();
    if (lottery::BoardNumberDrawn(tickets_.TicketOf(checkRow), *draw_, checkRow.Board(), position)) {
        font.setBold(true);
        painter.setPen(colours.Shown(Qt::red));
    } else if (checkRow.Tier() == '2') {
        // The one number of a five-and-bonus board that is not a drawn ball.
        font.setBold(lottery::BoardNumberIsBonus(tickets_.TicketOf(checkRow), *draw_, checkRow.Board(), position));
        painter.setPen(colours.Text());
    } else {
        painter.setPen(colours.Shown(QColor(128, 128, 128)));
    }
    painter.setFont(font);
}

}  // namespace master
