#include "Master/HistoryRowDelegate.h"

#include "app/DateText.h"
#include "lottery/DrawCalendar.h"

#include <QPainter>
#include <QStringList>

namespace master {

HistoryRowDelegate::HistoryRowDelegate(HeaderedList& list, const RowsModel<lottery::HistoryRow>& rows,
                                       const app::DateText& dates)
    : RowDelegate(list, 20, 2), rows_(rows), dates_(dates) {}

void HistoryRowDelegate::PaintRow(QPainter& painter, const QRect& rect, int row, const RowColours& colours) const {
    const lottery::THistoryLine& result = *rows_.At(row).result;
    const int drawNumber = lottery::DrawNumberOf(result.DrawDate());
    DrawText(painter, rect, Width(0) / 2 - TextWidth(painter, QStringLiteral("999")) / 2,
             QStringLiteral("%1").arg(drawNumber, 3, 10, QLatin1Char('0')));
    if (const auto day = lottery::WholeDayOf(result.DrawDate()))
        DrawText(painter, rect, Left(1) + 5, dates_.Display(*day, app::DateText::kRowDisplay));
    for (int ball = 1; ball <= lottery::THistoryLine::kBallCount; ++ball)
        DrawNumber(painter, rect, Centred(painter, ball + 1, QStringLiteral("WW")),
                   QString::fromStdString(result.NumberText(ball)), colours);
    DrawNumber(painter, rect, Left(8) + 25,
               QString::fromStdString(result.NumberText(lottery::THistoryLine::kNumberCount)), colours);
}

QString HistoryRowDelegate::RowText(int row) const {
    const lottery::THistoryLine& result = *rows_.At(row).result;
    QStringList parts{QStringLiteral("Draw %1").arg(lottery::DrawNumberOf(result.DrawDate()))};
    if (const auto day = lottery::WholeDayOf(result.DrawDate()))
        parts << dates_.Display(*day, app::DateText::kRowDisplay);
    QStringList balls;
    for (int ball = 1; ball <= lottery::THistoryLine::kBallCount; ++ball)
        balls << SpokenNumber(QString::fromStdString(result.NumberText(ball)));
    parts << QStringLiteral("balls ") + balls.join(u' ')
          << QStringLiteral("bonus ball ") +
                 SpokenNumber(QString::fromStdString(result.NumberText(lottery::THistoryLine::kNumberCount)));
    return parts.join(QStringLiteral(", "));
}

// The red "--" of a number not yet recorded.
QString HistoryRowDelegate::SpokenNumber(const QString& text) {
    return text == QLatin1String("00") ? QStringLiteral("not recorded") : text;
}

void HistoryRowDelegate::DrawNumber(QPainter& painter, const QRect& rect, int x, const QString& text,
                                    const RowColours& colours) const {
    if (text != QLatin1String("00")) {
        DrawText(painter, rect, x, text);
        return;
    }
    painter.setPen(colours.Shown(Qt::red));
    DrawText(painter, rect, x, QStringLiteral("--"));
    painter.setPen(colours.Text());
}

}  // namespace master
