#include "Master/TicketsPage.h"

#include "Master/HeaderedList.h"
#include "Master/PageWidgets.h"
#include "Master/TicketRowDelegate.h"
#include "app/AnsiText.h"
#include "app/DateText.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace master {

TicketsPage::TicketsPage(const app::AppContext& context, lottery::LotteryState& lottery, QWidget* parent)
    : QWidget(parent), context_(context), lottery_(lottery) {
    setObjectName(QStringLiteral("TicketsPage"));
    MakeHeading(this, QStringLiteral("Your Ticket Selections"), QRect(17, 6, 300, 24));
    linesList_ = new HeaderedList(this, QRect(17, 34, 464, 313),
                                  {{"   Line", 58}, {"  #1", 29}, {"  #2", 29}, {"  #3", 29}, {"  #4", 29},
                                   {"  #5", 29}, {"  #6", 29}, {" Draw", 102}, {"   Renewal Date", 102}});
    linesList_->setObjectName(QStringLiteral("LinesList"));
    rows_ = new RowsModel<lottery::TicketRow>(this);
    linesList_->SetModel(rows_, new TicketRowDelegate(*linesList_, *rows_, lottery_, context_.dates));
    connect(linesList_, &HeaderedList::SelectionChanged, this, &TicketsPage::ShowTicketDetails);

    button6_ = MakeButton(this, QStringLiteral("Button6"), QStringLiteral("&Add..."), QRect(490, 34, 80, 26));
    button7_ = MakeButton(this, QStringLiteral("Button7"), QStringLiteral("&Edit..."), QRect(490, 66, 80, 26));
    button9_ = MakeButton(this, QStringLiteral("Button9"), QStringLiteral("D&isplay..."), QRect(490, 98, 80, 26));
    button19_ = MakeButton(this, QStringLiteral("Button19"), QStringLiteral("&Print..."), QRect(490, 130, 80, 26));
    button21_ = MakeButton(this, QStringLiteral("Button21"), QStringLiteral("&Delete..."), QRect(490, 290, 80, 26));
    lineDetail_ = AddDetail(QStringLiteral("Line"), QStringLiteral("Detail4Label"), QStringLiteral("LLabel"), 17, 60);
    startDateDetail_ = AddDetail(QStringLiteral("Start Date"), QStringLiteral("Detail1Label"),
                                 QStringLiteral("SDLabel"), 82, 100);
    weeksDetail_ = AddDetail(QStringLiteral("Weeks"), QStringLiteral("Detail3Label"), QStringLiteral("DLabel"),
                             187, 60);
    descriptionDetail_ = AddDetail(QStringLiteral("Ticket Description"), QStringLiteral("Detail2Label"),
                                   QStringLiteral("TCLabel"), 252, 229);
    lineLabel_ = MakeLabel(this, QString(), QRect(17, 405, 280, 18));
    lineLabel_->setObjectName(QStringLiteral("LineLabel"));
    button5_ = MakeButton(this, QStringLiteral("Button5"), QStringLiteral("Save"), QRect(317, 402, 80, 26));
    button5_->setDefault(true);
    button3_ = MakeButton(this, QStringLiteral("Button3"), QStringLiteral("Cancel"), QRect(403, 402, 80, 26));
    button3_->setShortcut(Qt::Key_Escape);
}

TicketsPage::Detail TicketsPage::AddDetail(const QString& heading, const QString& headingName,
                                           const QString& valueName, int left, int width) {
    Detail detail{MakeBoldLabel(this, heading, QRect(left, 352, width, 16)),
                  MakeLabel(this, QString(), QRect(left, 370, width, 16))};
    detail.heading->setObjectName(headingName);
    detail.value->setObjectName(valueName);
    detail.value->setTextFormat(Qt::PlainText);
    return detail;
}

void TicketsPage::Detail::Show(const QString& text) const {
    value->setText(text);
    heading->setVisible(!text.isEmpty());
}

void TicketsPage::FillTicketsList() {
    rows_->SetRows(lottery_.FillTicketRows());
    linesList_->SelectRow(0);
}

void TicketsPage::UpdateTicketsCount() {
    const int tickets = lottery_.TicketCount();
    const int rows = rows_->rowCount();
    const QString lines = rows < 2 ? QStringLiteral("1 Line") : QStringLiteral("%1 Lines").arg(rows);
    if (tickets == 0)
        lineLabel_->setText(QStringLiteral("No Tickets"));
    else if (tickets == 1)
        lineLabel_->setText(QStringLiteral("%1 Lottery Ticket (%2)").arg(tickets).arg(lines));
    else
        lineLabel_->setText(QStringLiteral("%1 Lottery Tickets (%2)").arg(tickets).arg(lines));
}

const lottery::TLine* TicketsPage::SelectedTicket() const {
    const int row = linesList_->SelectedRow();
    return row < 0 ? nullptr : rows_->At(row).ticket;
}

void TicketsPage::ShowTicketDetails() {
    const int row = linesList_->SelectedRow();
    if (row < 0) {
        for (const Detail* detail : {&lineDetail_, &startDateDetail_, &weeksDetail_, &descriptionDetail_})
            detail->Show(QString());
        return;
    }
    const lottery::TLine& ticket = *rows_->At(row).ticket;
    const auto startDay = lottery::WholeDayOf(ticket.StartDate());
    startDateDetail_.Show(startDay ? context_.dates.Display(*startDay, app::DateText::kShortDisplay) : QString());
    descriptionDetail_.Show(app::FromAnsi(ticket.Description()));
    lineDetail_.Show(QString::fromStdString(rows_->At(row).Key()));
    weeksDetail_.Show(ticket.Weeks() < lottery::TLine::kUnlimitedWeeks ? QString::number(ticket.Weeks())
                                                                        : QStringLiteral("Unlimted"));
}

}  // namespace master
