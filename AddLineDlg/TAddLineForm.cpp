#include "AddLineDlg/TAddLineForm.h"

#include "AddLineDlg/AnsiTextValidator.h"
#include "AddLineDlg/ChoicePanel.h"
#include "AddLineDlg/ConfirmPage.h"
#include "AddLineDlg/FacsimileLines.h"
#include "AddLineDlg/NumberField.h"
#include "AddLineDlg/TicketPage.h"
#include "app/AnsiText.h"
#include "app/DateFieldWiring.h"
#include "app/DateText.h"
#include "app/HelpManual.h"
#include "app/Platform.h"
#include "app/SettingsStore.h"
#include "app/StoredPosition.h"
#include "datepicker/DateField.h"
#include "lottery/DrawCalendar.h"
#include "lottery/PrizeTier.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

#include <algorithm>

namespace addlinedlg {
namespace {

using lottery::TLine;

const QString kWindowSection = QStringLiteral("Wizard Window");
constexpr int kDefaultPosition = 30;

constexpr char kFiveAndBonusTier = '2';
const QColor kGrey(128, 128, 128);

void SetInk(QLabel* label, const QColor& colour, bool bold) {
    QPalette ink = label->palette();
    ink.setColor(QPalette::WindowText, colour);
    label->setPalette(ink);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

QString FieldText(int16_t number) {
    return number < 1 ? QString() : QString::fromStdString(lottery::TwoDigitText(number));
}

}  // namespace

TAddLineForm::TAddLineForm(const app::AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      context_(context),
      ballSource_(UniformBallSource()) {
    setObjectName(QStringLiteral("AddLineForm"));
    setWindowTitle(QStringLiteral("Add Lottery Ticket"));
    setFixedSize(591, 462);
    QFont font = this->font();
    font.setPixelSize(13);
    setFont(font);

    sheets_ = new QStackedWidget(this);
    sheets_->setObjectName(QStringLiteral("Sheets"));
    sheets_->setGeometry(0, 0, 591, 414);
    ticketPage_ = new TicketPage(CreateDateBox(), sheets_);
    confirmPage_ = new ConfirmPage(sheets_);
    sheets_->addWidget(ticketPage_);
    sheets_->addWidget(confirmPage_);
    BuildButtons();
    ConnectTicketPage();
    app::help::BindHelpKey(*this, context_.platform, QStringLiteral("wizard.html"));

    ticketPage_->DateBox()->setEditText(
        context_.dates.ShortDateText(lottery::NextDrawDate(app::DateText::FromQDate(context_.platform.Today()))));
    app::MoveToStoredPosition(*this, context_.settings, kWindowSection, kDefaultPosition);
    ChooseWeeks(TLine::kUnlimitedWeeks);
    ChooseDrawDays(0);
    ShowPage(TicketPageIndex);
}

// The date box drops down the calendar, which starts at today (after a
// beep) when the text is no date and gives its pick back as short-date text.
QComboBox* TAddLineForm::CreateDateBox() {
    return new datepicker::DateField(app::DateFieldServicesFor(context_.platform, context_.dates), this);
}

void TAddLineForm::BuildButtons() {
    button4_ = new QPushButton(QStringLiteral("< Back"), this);
    button4_->setObjectName(QStringLiteral("Button4"));
    button4_->setGeometry(318, 424, 80, 26);
    button3_ = new QPushButton(QStringLiteral("Next >"), this);
    button3_->setObjectName(QStringLiteral("Button3"));
    button3_->setGeometry(400, 424, 80, 26);
    button3_->setDefault(true);
    button5_ = new QPushButton(QStringLiteral("Cancel"), this);
    button5_->setObjectName(QStringLiteral("Button5"));
    button5_->setGeometry(495, 424, 80, 26);
    connect(button3_, &QPushButton::clicked, this, &TAddLineForm::Button3Click);
    connect(button4_, &QPushButton::clicked, this, &TAddLineForm::Button4Click);
    connect(button5_, &QPushButton::clicked, this, &QDialog::reject);
}

void TAddLineForm::ConnectTicketPage() {
    ticketPage_->Comment()->setValidator(new AnsiTextValidator(context_.platform, ticketPage_->Comment()));
    for (ChoicePanel* weeks : ticketPage_->WeeksPanels())
        connect(weeks, &ChoicePanel::clicked, this, [this, weeks] { W1Click(weeks); });
    for (ChoicePanel* drawDays : ticketPage_->DrawDaysPanels())
        connect(drawDays, &ChoicePanel::clicked, this, [this, drawDays] { D1Click(drawDays); });
    for (int board = 1; board <= TLine::kBoardCount; ++board) {
        connect(ticketPage_->LuckyDipButton(board), &QToolButton::clicked, this, [this, board] { LuckyDip(board); });
        for (int position = 1; position <= TLine::kNumbersPerBoard; ++position)
            connect(ticketPage_->NumberFields(board, position), &NumberField::enterPressed, this,
                    [this, board, position] { NumberFieldEnter(board, position); });
    }
}

void TAddLineForm::PrepareEdit(const TLine& ticket) {
    setWindowTitle(QStringLiteral("Edit Lottery Ticket"));
    FillFromTicket(ticket);
    for (int board = 1; board <= TLine::kBoardCount; ++board) ticketPage_->LuckyDipButton(board)->setEnabled(false);
}

void TAddLineForm::PrepareDisplay(const TLine& ticket) {
    SetCaptions(QStringLiteral("Display of Lottery Ticket"), QStringLiteral("Ticket Details"));
    confirmPage_->Explanation()->setText(QStringLiteral(
        "To change the the lottery ticket displayed, use the Edit button on the previous Window"));
    OpenOnConfirmPage(ticket);
    ShowOnlyOk();
}

void TAddLineForm::PrepareDelete(const TLine& ticket) {
    SetCaptions(QStringLiteral("Delete Lottery Ticket"), QStringLiteral("Delete Confirmation"));
    confirmPage_->Explanation()->setText(
        QStringLiteral("You have selected to delete the lottery ticket displayed.\n\n"
                       "Click \"Delete\" to permanently delete all lines associated with this ticket"));
    OpenOnConfirmPage(ticket);
    button3_->setText(QStringLiteral("Delete"));
}

void TAddLineForm::PrepareWinnings(const TLine& ticket, const lottery::THistoryLine& draw, int drawNumber) {
    SetCaptions(QStringLiteral("Display of Lottery Ticket"), QStringLiteral("Draw: %1 Ticket Winnings").arg(drawNumber));
    ShowWinnings(ticket, draw, drawNumber);
    OpenOnConfirmPage(ticket);
    ShowOnlyOk();
}

void TAddLineForm::OfferRun(std::function<void()> showRun) {
    runButton_ = new QPushButton(QStringLiteral("&Run..."), this);
    runButton_->setObjectName(QStringLiteral("RunButton"));
    runButton_->setGeometry(button3_->geometry());
    connect(runButton_, &QPushButton::clicked, this, std::move(showRun));
}

void TAddLineForm::SetCaptions(const QString& caption, const QString& heading) {
    setWindowTitle(caption);
    confirmPage_->Heading()->setText(heading);
}

// The entry page cannot be reached from here.
void TAddLineForm::OpenOnConfirmPage(const TLine& ticket) {
    button4_->hide();
    FillFromTicket(ticket);
    enteredBoards_ = ticket.Boards();
    FillFacsimile();
    ShowPage(ConfirmPageIndex);
}

// "OK" is the cancel button renamed: a display never returns Accepted.
void TAddLineForm::ShowOnlyOk() {
    button3_->hide();
    button5_->setText(QStringLiteral("OK"));
}

// A stored description may be longer than can be typed; it is kept whole.
void TAddLineForm::FillFromTicket(const TLine& ticket) {
    const auto startDate = lottery::WholeDayOf(ticket.StartDate());
    ticketPage_->DateBox()->setEditText(startDate ? context_.dates.ShortDateText(*startDate) : QString());
    ChooseDrawDays(ticket.DrawDays());
    ChooseWeeks(ticket.Weeks());
    for (int board = 1; board <= TLine::kBoardCount; ++board)
        for (int position = 1; position <= TLine::kNumbersPerBoard; ++position)
            ticketPage_->NumberFields(board, position)->setText(FieldText(ticket.Number(board, position)));
    const QString description = app::FromAnsi(ticket.Description());
    QLineEdit* comment = ticketPage_->Comment();
    comment->setMaxLength(std::max<int>(TicketPage::kCommentLength, description.size()));
    comment->setText(description);
}

void TAddLineForm::ChooseWeeks(int weeks) {
    if (weeks >= 1 && weeks <= TicketPage::kWeeksChoices) W1Click(ticketPage_->WeeksPanels()[weeks - 1]);
}

void TAddLineForm::ChooseDrawDays(int drawDays) {
    if (drawDays >= 0 && drawDays < TicketPage::kDrawDaysChoices) D1Click(ticketPage_->DrawDaysPanels()[drawDays]);
}

void TAddLineForm::W1Click(ChoicePanel* sender) {
    for (ChoicePanel* weeks : ticketPage_->WeeksPanels()) weeks->SetChosen(weeks == sender);
    enteredWeeks_ = sender->Tag();
}

void TAddLineForm::D1Click(ChoicePanel* sender) {
    for (ChoicePanel* drawDays : ticketPage_->DrawDaysPanels()) drawDays->SetChosen(drawDays == sender);
    enteredDrawDays_ = sender->Tag();
}

QString TAddLineForm::CommentText() const {
    return ticketPage_->Comment()->text();
}

QString TAddLineForm::StartDateText() const {
    return ticketPage_->DateBox()->currentText();
}

int TAddLineForm::CurrentPage() const {
    return sheets_->currentIndex();
}

void TAddLineForm::ShowPage(int page) {
    sheets_->setCurrentIndex(page);
}

// Enter leads on through a filled board and acts as "Next >" from an empty
// field and from the very last one.
void TAddLineForm::NumberFieldEnter(int board, int position) {
    const bool lastField = board == TLine::kBoardCount && position == TLine::kNumbersPerBoard;
    if (lastField || ticketPage_->NumberFields(board, position)->text().isEmpty()) {
        Button3Click();
        return;
    }
    const int next = (board - 1) * TLine::kNumbersPerBoard + position;
    ticketPage_->NumberFields(next / TLine::kNumbersPerBoard + 1, next % TLine::kNumbersPerBoard + 1)->setFocus();
}

void TAddLineForm::Button3Click() {
    if (CurrentPage() == ConfirmPageIndex) {
        accept();
        return;
    }
    if (!StartDateAcceptable()) return;
    if (!ValidateBoards()) {
        context_.platform.Beep();
        return;
    }
    FillFacsimile();
    button3_->setText(QStringLiteral("Finish"));
    ShowPage(ConfirmPageIndex);
}

void TAddLineForm::Button4Click() {
    button3_->setText(QStringLiteral("Next >"));
    if (CurrentPage() > TicketPageIndex) ShowPage(CurrentPage() - 1);
}

bool TAddLineForm::StartDateAcceptable() {
    const auto startDate = context_.dates.ParseShortDate(StartDateText());
    const int drawNumber = startDate ? lottery::DrawNumberOf(*startDate) : 0;
    QString message;
    if (drawNumber == 0)
        message = QStringLiteral("The Date specified is not a valid Lottery Draw date. Please re-specify before continuing");
    else if (enteredDrawDays_ == 1 && lottery::WeekdayOf(*startDate) != lottery::Wednesday)
        message = QStringLiteral("The Date specified must be a Wednesday for Wednesday Draws. Please re-specify before continuing");
    else if (enteredDrawDays_ == 2 && lottery::WeekdayOf(*startDate) != lottery::Saturday)
        message = QStringLiteral("The Date specified must be a Saturday for Saturday Draws. Please re-specify before continuing");
    if (message.isEmpty()) return true;
    Complain(message);
    ticketPage_->DateBox()->setFocus();
    return false;
}

bool TAddLineForm::ValidateBoards() {
    const QString failure = addlinedlg::ValidateBoards(ticketPage_->NumberTexts(), enteredBoards_);
    if (failure.isEmpty()) return true;
    Complain(failure);
    return false;
}

void TAddLineForm::Complain(const QString& message) {
    context_.platform.Beep();
    context_.platform.ShowError(this, message);
}

void TAddLineForm::LuckyDip(int board) {
    addlinedlg::LuckyDip(enteredBoards_, board, ballSource_);
    for (int position = 1; position <= TLine::kNumbersPerBoard; ++position)
        ticketPage_->NumberFields(board, position)->setText(QString::number(enteredBoards_[board - 1][position - 1]));
}

void TAddLineForm::FillFacsimile() {
    for (int board = 1; board <= TLine::kBoardCount; ++board) {
        for (int position = 1; position <= TLine::kNumbersPerBoard; ++position) {
            const int16_t number = enteredBoards_[board - 1][position - 1];
            QLabel* label = confirmPage_->FacsimileNumbers(board, position);
            label->setVisible(number >= kLowestBall && number <= kHighestBall);
            label->setText(QString::fromStdString(lottery::TwoDigitText(number)));
        }
        confirmPage_->BoardLetterLabel(board)->setVisible(!confirmPage_->FacsimileNumbers(board, 1)->isHidden());
    }
    confirmPage_->ShowDescription(CommentText());
    FillDateAndDrawLines();
}

void TAddLineForm::ShowWinnings(const TLine& ticket, const lottery::THistoryLine& draw, int drawNumber) {
    confirmPage_->Explanation()->hide();
    confirmPage_->InvalidTicket()->setVisible(!lottery::TicketValidForDraw(ticket, drawNumber));
    for (int board = 1; board <= TLine::kBoardCount; ++board) {
        const char tier = lottery::PrizeTierCode(ticket, draw, board);
        QLabel* winnings = confirmPage_->WinningsLabels(board);
        winnings->setText(QString::fromStdString(lottery::TicketDisplayTierText(tier)));
        const bool shown = ticket.Number(board, 1) != 0;
        confirmPage_->LineLabels(board)->setVisible(shown);
        winnings->setVisible(shown);
        if (shown) MarkDrawnNumbers(ticket, draw, board, tier);
    }
}

// Drawn numbers red and bold; on a board of five and the bonus the bonus
// number bold, elsewhere the numbers not drawn grey.
void TAddLineForm::MarkDrawnNumbers(const TLine& ticket, const lottery::THistoryLine& draw, int board, char tier) {
    for (int position = 1; position <= TLine::kNumbersPerBoard; ++position) {
        QLabel* number = confirmPage_->FacsimileNumbers(board, position);
        if (lottery::BoardNumberDrawn(ticket, draw, board, position))
            SetInk(number, QColor(Qt::red), true);
        else if (tier != kFiveAndBonusTier)
            SetInk(number, kGrey, false);
        else if (lottery::BoardNumberIsBonus(ticket, draw, board, position))
            SetInk(number, number->palette().color(QPalette::WindowText), true);
    }
}

// A stored ticket whose date is damaged still shows its draw line.
void TAddLineForm::FillDateAndDrawLines() {
    const auto startDate = context_.dates.ParseShortDate(StartDateText());
    confirmPage_->DateLabel()->setText(
        startDate ? DateLine(context_.dates, *startDate, enteredDrawDays_, enteredWeeks_) : QString());
    confirmPage_->DrawLabel()->setText(DrawLine(enteredDrawDays_, enteredWeeks_));
}

// Every way of closing passes here: "Finish", "Delete", "Cancel", Esc and
// the close box.
void TAddLineForm::done(int result) {
    app::StorePosition(*this, context_.settings, kWindowSection);
    QDialog::done(result);
}

}  // namespace addlinedlg
