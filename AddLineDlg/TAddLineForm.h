#pragma once

#include "AddLineDlg/BoardRules.h"
#include "app/AppContext.h"
#include "lottery/THistoryLine.h"
#include "lottery/TLine.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QPushButton;
class QStackedWidget;

namespace addlinedlg {

class ChoicePanel;
class ConfirmPage;
class TicketPage;

// The ticket wizard: page 0 enters or edits a ticket, page 1 confirms it or
// shows a stored one. It stores nothing itself: after it returns Accepted the
// caller reads the entered values and stores them.
//
// Add: construct and exec(). Edit: PrepareEdit(ticket), exec(). Display,
// delete and winnings open straight on page 1: PrepareDisplay(ticket),
// PrepareDelete(ticket) (Accepted = "Delete" pressed), PrepareWinnings(ticket,
// draw, draw number).
class TAddLineForm : public QDialog {
    Q_OBJECT
public:
    enum Page { TicketPageIndex, ConfirmPageIndex };

    explicit TAddLineForm(const app::AppContext& context, QWidget* parent = nullptr);

    // The modes the main window opens.
    void PrepareEdit(const lottery::TLine& ticket);
    void PrepareDisplay(const lottery::TLine& ticket);
    void PrepareDelete(const lottery::TLine& ticket);
    void PrepareWinnings(const lottery::TLine& ticket, const lottery::THistoryLine& draw, int drawNumber);
    // A display's "Run..." button, in the place of "Next >", which a display
    // hides; the caller, who holds the history, shows the run.
    void OfferRun(std::function<void()> showRun);

    // The pieces those modes are made of.
    void FillFromTicket(const lottery::TLine& ticket);
    // As a click on W1..W9 or D1..D3; a value without a panel changes nothing.
    void ChooseWeeks(int weeks);
    void ChooseDrawDays(int drawDays);
    void FillFacsimile();
    // Each board's prize, its drawn numbers marked on the facsimile, and the
    // warning when the ticket was not entered for the draw.
    void ShowWinnings(const lottery::TLine& ticket, const lottery::THistoryLine& draw, int drawNumber);

    // What the caller reads back after Accepted.
    const Boards& EnteredBoards() const { return enteredBoards_; }
    int EnteredWeeks() const { return enteredWeeks_; }
    int EnteredDrawDays() const { return enteredDrawDays_; }
    QString CommentText() const;
    QString StartDateText() const;

    // Lucky Dip draws from this source; the default is a seeded uniform one.
    void SetBallSource(BallSource source) { ballSource_ = std::move(source); }

    TicketPage* Ticket() const { return ticketPage_; }
    ConfirmPage* Confirm() const { return confirmPage_; }
    QPushButton* RunButton() const { return runButton_; }  // null unless offered
    int CurrentPage() const;

public slots:
    void done(int result) override;

private:
    QComboBox* CreateDateBox();
    void BuildButtons();
    void ConnectTicketPage();
    void W1Click(ChoicePanel* sender);
    void D1Click(ChoicePanel* sender);
    void NumberFieldEnter(int board, int position);
    void Button3Click();
    void Button4Click();
    void LuckyDip(int board);
    bool StartDateAcceptable();
    bool ValidateBoards();
    void Complain(const QString& message);
    void FillDateAndDrawLines();
    void MarkDrawnNumbers(const lottery::TLine& ticket, const lottery::THistoryLine& draw, int board, char tier);
    void SetCaptions(const QString& caption, const QString& heading);
    void OpenOnConfirmPage(const lottery::TLine& ticket);
    void ShowOnlyOk();
    void ShowPage(int page);

    const app::AppContext& context_;
    Boards enteredBoards_{};
    int enteredWeeks_ = lottery::TLine::kUnlimitedWeeks;
    int enteredDrawDays_ = 0;
    BallSource ballSource_;

    QStackedWidget* sheets_ = nullptr;
    TicketPage* ticketPage_ = nullptr;
    ConfirmPage* confirmPage_ = nullptr;
    QPushButton* button3_ = nullptr;
    QPushButton* button4_ = nullptr;
    QPushButton* button5_ = nullptr;
    QPushButton* runButton_ = nullptr;
};

}  // namespace addlinedlg
