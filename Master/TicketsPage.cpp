#include "Master/TicketsPage.h"

#include "Master/HeaderedList.h"
#include "Master/PageWidgets.h"
#include "Master/TicketRowDelegate.h"
#include "Master/TicketRunWindow.h"
#include "AddLineDlg/TAddLineForm.h"
#include "app/AnsiText.h"
#include "app/ErrorReport.h"
#include "app/DateText.h"

#include <QLabel>
#include "Master/RowListView.h"
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
    linesList_->SetListName(QStringLiteral("Your Ticket Selections"));
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

    connect(button6_, &QPushButton::clicked, this, &TicketsPage::Button6Click);
    connect(button7_, &QPushButton::clicked, this, &TicketsPage::Button7Click);
    connect(linesList_->List(), &RowListView::RowDoubleClicked, this, &TicketsPage::Button7Click);
    connect(button9_, &QPushButton::clicked, this, [this] { Button9Click(button9_); });
    connect(button21_, &QPushButton::clicked, this, [this] { Button9Click(button21_); });
    connect(linesList_->List(), &RowListView::DeletePressed, button21_, &QPushButton::click);
}

void TicketsPage::Button6Click() {
    addlinedlg::TAddLineForm wizard(context_, this);
    if (wizard.exec() != QDialog::Accepted) return;
    StoreWizardTicket(wizard, nullptr);
    Refill(kLastRow);  // a new ticket's boards are the last rows
}

void TicketsPage::Button7Click() {
    const lottery::TLine* ticket = SelectedTicket();
    if (!ticket) return;
    const int row = linesList_->SelectedRow();
    addlinedlg::TAddLineForm wizard(context_, this);
    wizard.PrepareEdit(*ticket);
    if (wizard.exec() != QDialog::Accepted) return;
    StoreWizardTicket(wizard, ticket);
    Refill(row);
}

// "D&isplay..." shows the selected ticket; "&Delete..." shows it for a last
// look, and deletes it when the user presses "Delete".
void TicketsPage::Button9Click(const QPushButton* raisedBy) {
    const lottery::TLine* ticket = SelectedTicket();
    if (!ticket) return;
    const int row = linesList_->SelectedRow();
    addlinedlg::TAddLineForm wizard(context_, this);
    if (raisedBy != button21_) {
        wizard.PrepareDisplay(*ticket);
        wizard.OfferRun([&] {
            TicketRunWindow run(context_, *ticket, lottery_.DrawHistory(), lottery_.Today(), &wizard);
            run.exec();
        });
        wizard.exec();
        return;
    }
    wizard.PrepareDelete(*ticket);
    if (wizard.exec() != QDialog::Accepted) return;
    lottery_.DeleteTicket(*ticket);
    Refill(row);
}

void TicketsPage::StoreWizardTicket(const addlinedlg::TAddLineForm& wizard, const lottery::TLine* replacing) {
    app::RunReportingFailure(context_.platform, this, [&] {
        const lottery::DayNumber start = context_.dates.ShortDateOrThrow(wizard.StartDateText());
        const auto weeks = static_cast<int16_t>(wizard.EnteredWeeks());
        const auto drawDays = static_cast<int16_t>(wizard.EnteredDrawDays());
        const std::string description = app::ToAnsi(wizard.CommentText());
        if (replacing)
            lottery_.ReplaceTicket(*replacing, wizard.EnteredBoards(), description, start, weeks, drawDays);
        else
            lottery_.AddTicket(wizard.EnteredBoards(), description, start, weeks, drawDays);
    });
}

void TicketsPage::Refill(int selectRow) {
    FillTicketsList();
    UpdateTicketsCount();
    linesList_->SelectRow(selectRow == kLastRow ? rows_->rowCount() - 1 : selectRow);
    ShowTicketDetails();
}

HeadedValue TicketsPage::AddDetail(const QString& heading, const QString& headingName, const QString& valueName,
                                   int left, int width) {
    const HeadedValue detail = HeadedValue::Make(this, heading, left, 352, width);
    detail.SetNames(headingName, valueName);
    return detail;
}

void TicketsPage::FillTicketsList() {
    rows_->Refill([this](std::vector<lottery::TicketRow>& rows) { lottery_.FillTicketRows(rows); });
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
    return row < 0 ? nullptr : &lottery_.TicketList().TicketOf(rows_->At(row));
}

void TicketsPage::ShowTicketDetails() {
    const int row = linesList_->SelectedRow();
    if (row < 0) {
        for (const HeadedValue* detail : {&lineDetail_, &startDateDetail_, &weeksDetail_, &descriptionDetail_})
            detail->ShowWhenNotEmpty(QString());
        return;
    }
    const lottery::TLine& ticket = lottery_.TicketList().TicketOf(rows_->At(row));
    const auto startDay = lottery::WholeDayOf(ticket.StartDate());
    startDateDetail_.ShowWhenNotEmpty(startDay ? context_.dates.Display(*startDay, app::DateText::kShortDisplay) : QString());
    descriptionDetail_.ShowWhenNotEmpty(app::FromAnsi(ticket.Description()));
    lineDetail_.ShowWhenNotEmpty(QString::fromStdString(rows_->At(row).Key()));
    weeksDetail_.ShowWhenNotEmpty(ticket.Weeks() < lottery::TLine::kUnlimitedWeeks ? QString::number(ticket.Weeks())
                                                                        : QStringLiteral("Unlimted"));
}

}  // namespace master
