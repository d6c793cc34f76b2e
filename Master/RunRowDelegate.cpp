#include "Master/RunRowDelegate.h"

#include "Master/TierColours.h"
#include "app/DateText.h"
#include "lottery/DrawCalendar.h"

#include <QPainter>
#include <QStringList>

namespace master {
namespace {

constexpr int kMarkSize = 10;

}  // namespace

std::string RunRow::Key() const {
    return lottery::HistoryRowKey(lottery::DrawDateOf(draw->drawNumber));
}

RunRowDelegate::RunRowDelegate(HeaderedList& list, const RowsModel<RunRow>& rows, const app::DateText& dates)
    : RowDelegate(list, 20, 2), rows_(rows), dates_(dates) {}

QString RunRowDelegate::PrizesText(const lottery::RunDraw& draw) {
    if (!draw.Recorded()) return QStringLiteral("No result recorded");
    QStringList prizes;
    for (int board = 1; board <= lottery::TLine::kBoardCount; ++board) {
        const char tier = draw.tiers[static_cast<std::size_t>(board - 1)];
        if (tier != lottery::RunDraw::kNoBoard && tier != lottery::kNoPrizeTier)
            prizes << QStringLiteral("%1: %2").arg(QChar(u'A' + board - 1),
                                                   QString::fromStdString(lottery::ResultSheetTierText(tier)));
    }
    // The ticket display's word for a draw that won nothing.
    if (prizes.isEmpty()) return QString::fromStdString(lottery::TicketDisplayTierText(lottery::kNoPrizeTier));
    return prizes.join(QLatin1String(", "));
}

QString RunRowDelegate::RowText(int row) const {
    const lottery::RunDraw& draw = *rows_.At(row).draw;
    return QStringLiteral("Draw %1, %2, %3")
        .arg(QString::number(draw.drawNumber),
             dates_.Display(lottery::DrawDateOf(draw.drawNumber), app::DateText::kRowDisplay), PrizesText(draw));
}

void RunRowDelegate::PaintRow(QPainter& painter, const QRect& rect, int row, const RowColours& colours) const {
    const lottery::RunDraw& draw = *rows_.At(row).draw;
    DrawText(painter, rect, Width(0) / 2 - TextWidth(painter, QStringLiteral("999")) / 2,
             QStringLiteral("%1").arg(draw.drawNumber, 3, 10, QLatin1Char('0')));
    DrawText(painter, rect, Left(1) + 5,
             dates_.Display(lottery::DrawDateOf(draw.drawNumber), app::DateText::kRowDisplay));
    PaintPrizes(painter, rect, draw, colours);
}

void RunRowDelegate::PaintPrizes(QPainter& painter, const QRect& rect, const lottery::RunDraw& draw,
                                 const RowColours& colours) const {
    const QRect mark(rect.left() + Left(2) + 5, rect.top() + (rect.height() - kMarkSize) / 2, kMarkSize, kMarkSize);
    painter.fillRect(mark, draw.Recorded() ? TierColour(draw.BestTier()) : MissingResultColour());
    if (!draw.Recorded())
        painter.setPen(colours.Shown(Qt::red));
    else if (draw.BestTier() == lottery::kNoPrizeTier)
        painter.setPen(colours.Shown(QColor(128, 128, 128)));
    const int textLeft = Left(2) + 5 + kMarkSize + 6;
    // Ten winning boards at once would run past the row: the rest is elided.
    DrawText(painter, rect, textLeft,
             painter.fontMetrics().elidedText(PrizesText(draw), Qt::ElideRight, rect.width() - textLeft - 4));
    painter.setPen(colours.Text());
}

}  // namespace master
