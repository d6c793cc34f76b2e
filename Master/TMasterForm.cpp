#include "Master/TMasterForm.h"

#include "Master/AboutWindow.h"
#include "Master/LogoPanel.h"
#include "Master/EditResultPage.h"
#include "Master/HeaderedList.h"
#include "Master/HistoryPage.h"
#include "Master/ImportPage.h"
#include "Master/MainPage.h"
#include "Master/ResultSheetPage.h"
#include "Master/ScreenHelp.h"
#include "Master/TicketsPage.h"
#include "PrintTickets/TPrintDlg.h"
#include "app/DialogPlacement.h"
#include "app/ErrorReport.h"
#include "app/HelpManual.h"
#include "app/MakerWebPage.h"
#include "app/Platform.h"
#include "app/ProgramLottery.h"
#include "app/StoredPosition.h"
#include "app/VectorRegisterState.h"
#include "lottery/LotteryError.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace master {
namespace {

const QString kMainWindowSection = QStringLiteral("Main Window");

}  // namespace

TMasterForm::TMasterForm(app::Platform& platform, const app::DataFilePaths& paths, bool warnMode,
                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      platform_(platform),
      warnMode_(warnMode),
      dates_(app::DateText::ForSystemLocale()),
      context_{platform, settings_, dates_},
      lottery_(app::ProgramLottery(paths, platform)),
      dataFolderNotice_(paths) {
    setObjectName(QStringLiteral("MasterForm"));
    setWindowTitle(QStringLiteral("Tallimo"));
    setFixedSize(583, 441);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);
    PlaceWindow();
    BuildPages();
    ConnectMainPage();
    app::help::BindHelpKey(*this, platform_, [this] { return ScreenHelpPage(CurrentPage()); });
    ShowPage(MainPageIndex);
    // The settings read above leave the processor slow at the plain vector
    // instructions that loading is made of.
    app::ClearUpperVectorHalves();
    lottery_.LoadFiles();
    // The lists are filled when their pages are entered: filling them here
    // would cost start-up a row for every board and draw for nothing.
    UpdateMainCounters();
}

void TMasterForm::PlaceWindow() {
    if (warnMode_) {
        move(-1000, -1000);
        return;
    }
    app::MoveToStoredPosition(*this, settings_, kMainWindowSection, 20);
}

// Only the main page is built here: the others wait in the notebook as empty
// places until first wanted, as building them all cost start-up about as
// much as loading the largest data.
void TMasterForm::BuildPages() {
    sheets_ = new QStackedWidget(this);
    sheets_->setObjectName(QStringLiteral("Sheets"));
    sheets_->setGeometry(rect());
    mainPage_ = new MainPage(sheets_);
    sheets_->addWidget(mainPage_);
    for (int index = MainPageIndex + 1; index < PageCount; ++index) sheets_->addWidget(new QWidget(sheets_));

    auto* separator = new QFrame(this);
    separator->setGeometry(14, 393, 555, 2);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    logo_ = new LogoPanel(this);
    connect(logo_->WebButton(), &QPushButton::clicked, this,
            [this] { app::OpenMakerWebPage(platform_, this); });

    button4_ = new QPushButton(QStringLiteral("&About"), this);
    button4_->setObjectName(QStringLiteral("Button4"));
    button4_->setGeometry(489, 402, 80, 26);
    connect(button4_, &QPushButton::clicked, this, &TMasterForm::ShowAbout);
}

void TMasterForm::ConnectMainPage() {
    connect(sheets_, &QStackedWidget::currentChanged, this, &TMasterForm::SheetsPageChanged);
    connect(mainPage_->Button2(), &QPushButton::clicked, this, &TMasterForm::Finish);
    connect(mainPage_->BitBtn1(), &QPushButton::clicked, this, &TMasterForm::BitBtn1Click);
    connect(mainPage_->BitBtn5(), &QPushButton::clicked, this, &TMasterForm::BitBtn5Click);
    connect(mainPage_->BitBtn3(), &QPushButton::clicked, this, &TMasterForm::BitBtn3Click);
}

// The page takes the place kept for it; the page shown stays shown.
template <typename Page>
Page* TMasterForm::Install(int index, Page* page) {
    QWidget* place = sheets_->widget(index);
    sheets_->removeWidget(place);
    delete place;
    sheets_->insertWidget(index, page);
    return page;
}

TicketsPage* TMasterForm::Tickets() {
    if (ticketsPage_) return ticketsPage_;
    ticketsPage_ = Install(TicketsPageIndex, new TicketsPage(context_, lottery_, sheets_));
    HeaderedList* linesList = ticketsPage_->LinesList();
    for (int section = 2; section <= 6; ++section) linesList->SetSectionWidth(section, linesList->SectionWidth(1));
    connect(ticketsPage_->Button5(), &QPushButton::clicked, this, &TMasterForm::Button5Click);
    connect(ticketsPage_->Button3(), &QPushButton::clicked, this, &TMasterForm::Button3Click);
    connect(ticketsPage_->Button19(), &QPushButton::clicked, this, [this] { Button19Click(ticketsPage_->Button19()); });
    return ticketsPage_;
}

ImportPage* TMasterForm::Import() {
    if (importPage_) return importPage_;
    importPage_ = Install(ImportPageIndex, new ImportPage(platform_, lottery_, sheets_));
    connect(importPage_->Button8(), &QPushButton::clicked, this, [this] { ShowPage(HistoryPageIndex); });
    connect(importPage_, &ImportPage::Finished, this, &TMasterForm::BitBtn3Click);
    connect(importPage_, &ImportPage::Finished, this, [this] { dataFolderNotice_.AfterSave(platform_, this); });
    return importPage_;
}

HistoryPage* TMasterForm::History() {
    if (historyPage_) return historyPage_;
    historyPage_ = Install(HistoryPageIndex, new HistoryPage(context_, lottery_, sheets_));
    connect(historyPage_->Button11(), &QPushButton::clicked, this, &TMasterForm::Button11Click);
    connect(historyPage_->Button15(), &QPushButton::clicked, this, [this] { ShowPage(ImportPageIndex); });
    connect(historyPage_->Button16(), &QPushButton::clicked, this, &TMasterForm::Button16Click);
    connect(historyPage_->Button13(), &QPushButton::clicked, this, &TMasterForm::Button5Click);
    connect(historyPage_->Button14(), &QPushButton::clicked, this, &TMasterForm::Button3Click);
    return historyPage_;
}

EditResultPage* TMasterForm::EditResult() {
    if (editResultPage_) return editResultPage_;
    editResultPage_ = Install(EditResultPageIndex, new EditResultPage(dates_, sheets_));
    connect(editResultPage_->Button10(), &QPushButton::clicked, this, &TMasterForm::Button10Click);
    connect(editResultPage_, &EditResultPage::SaveRequested, this, &TMasterForm::Button10Click);
    connect(editResultPage_->Button12(), &QPushButton::clicked, this, [this] { ShowPage(returnPage_); });
    return editResultPage_;
}

ResultSheetPage* TMasterForm::ResultSheet() {
    if (resultSheetPage_) return resultSheetPage_;
    resultSheetPage_ = Install(ResultSheetPageIndex, new ResultSheetPage(context_, lottery_, *History(), sheets_));
    connect(resultSheetPage_, &ResultSheetPage::ShowRequested, this, [this] { ShowPage(ResultSheetPageIndex); });
    connect(resultSheetPage_->Button17(), &QPushButton::clicked, this, [this] { ShowPage(returnPage_); });
    connect(resultSheetPage_->Button22(), &QPushButton::clicked, this,
            [this] { Button19Click(resultSheetPage_->Button22()); });
    return resultSheetPage_;
}

QWidget* TMasterForm::BuiltPage(int index) {
    switch (index) {
    case TicketsPageIndex: return Tickets();
    case ImportPageIndex: return Import();
    case HistoryPageIndex: return History();
    case EditResultPageIndex: return EditResult();
    case ResultSheetPageIndex: return ResultSheet();
    default: return mainPage_;
    }
}

// "Have you Won?": the latest draw of the history, on to the result sheet.
void TMasterForm::BitBtn5Click() {
    History()->FillHistoryPage();
    const int rows = History()->Rows().rowCount();
    if (rows == 0) return;
    History()->HistoryList()->SelectRow(rows - 1);
    EditResult()->Open(*History()->SelectedDrawResult(), true);
    ShowPage(EditResultPageIndex);
    EditResult()->Memo(1)->setFocus();
}

void TMasterForm::BitBtn3Click() {
    History()->FillHistoryPage();
    ShowPage(HistoryPageIndex);
}

// "Edit" on the history: the selected draw, back to the history after saving.
void TMasterForm::Button11Click() {
    const lottery::THistoryLine* draw = History()->SelectedDrawResult();
    if (!draw) return;
    EditResult()->Open(*draw, false);
    ShowPage(EditResultPageIndex);
}

void TMasterForm::Button16Click() {
    returnPage_ = HistoryPageIndex;
    ResultSheet()->MoveToDraw(0);
}

void TMasterForm::Button10Click() {
    const auto texts = EditResult()->Texts();
    std::array<std::string, lottery::THistoryLine::kNumberCount> numbers;
    for (std::size_t i = 0; i < texts.size(); ++i) numbers[i] = texts[i].toStdString();
    if (!lottery::ValidateDrawNumbers(numbers)) {
        platform_.Beep();
        platform_.ShowError(this, QStringLiteral("Number Invalid.\r\n\r\nLottery Numbers can only be in the range 1 "
                                                 "to 49\r\nand may not be specified more than once."));
        return;
    }
    const lottery::THistoryLine* draw = History()->SelectedDrawResult();
    if (!draw) return;
    lottery::THistoryLine::Numbers values{};
    for (std::size_t i = 0; i < texts.size(); ++i) values[i] = static_cast<int16_t>(texts[i].toInt());
    // The draw keeps its own date; only its numbers change.
    const bool stored = app::RunReportingFailure(platform_, this, [&] {
        const auto day = lottery::WholeDayOf(draw->DrawDate());
        if (!day) throw lottery::LotteryError("'' is not a valid date");
        lottery_.SetDrawResult(*draw, values, *day);
    });
    if (!stored) return;
    if (!EditResult()->NextMode()) {
        ShowPage(HistoryPageIndex);
        return;
    }
    returnPage_ = MainPageIndex;
    ResultSheet()->MoveToDraw(0);
}

void TMasterForm::BitBtn1Click() {
    Tickets()->FillTicketsList();
    Tickets()->UpdateTicketsCount();
    ShowPage(TicketsPageIndex);
    Tickets()->ShowTicketDetails();
}

// "Save" on the tickets and history pages.
void TMasterForm::Button5Click() {
    if (!app::RunReportingFailure(platform_, this, [this] { lottery_.SaveTickets(); })) return;
    dataFolderNotice_.AfterSave(platform_, this);
    ShowPage(MainPageIndex);
}

// "Cancel" on the tickets and history pages: back to the last saved tickets.
// It answers Escape, which is easily pressed to dismiss something else, so
// changes are only thrown away when the user says so.
void TMasterForm::Button3Click() {
    if (lottery_.TicketsChanged() &&
        !platform_.AskYesNo(this, QStringLiteral("Tallimo"), QStringLiteral("Discard the changes to your tickets?")))
        return;
    lottery_.LoadTickets();
    // A built list's rows point into the tickets just replaced.
    if (ticketsPage_) ticketsPage_->FillTicketsList();
    ShowPage(MainPageIndex);
}

// "&Print..." prints checklists; "Print..." on the result sheet prints the
// sheet of the selected draw.
void TMasterForm::Button19Click(const QPushButton* raisedBy) {
    if (lottery_.CountTickets().boards == 0) {
        platform_.Beep();
        return;
    }
    printtickets::TPrintDlg dialog(context_, lottery_, this);
    if (raisedBy->objectName() == QLatin1String("Button22")) {
        const lottery::THistoryLine* draw = History()->SelectedDrawResult();
        if (!draw) return;
        dialog.PrepareResultSheet(ResultSheet()->Rows().Rows(), *draw);
    } else {
        dialog.PrepareChecklist(Tickets()->Rows().Rows());
    }
    dialog.exec();
}

void TMasterForm::ShowPage(int index) {
    sheets_->setCurrentWidget(BuiltPage(index));
}

int TMasterForm::CurrentPage() const {
    return sheets_->currentIndex();
}

void TMasterForm::UpdateMainCounters() {
    const QString expiredMessage = mainPage_->ShowCounts(lottery_.CountTickets());
    if (warnMode_ && !expiredMessage.isEmpty()) {
        platform_.Beep();
        platform_.ShowWarning(this, QStringLiteral("Tallimo\r\n\r\n") + expiredMessage);
    }
}

void TMasterForm::SheetsPageChanged(int index) {
    if (!shown_) return;
    UpdateMainCounters();
    if (index == ResultSheetPageIndex) ResultSheet()->ApplyStoredValidOnly();
    button4_->setText(QStringLiteral("About"));
    logo_->setVisible(index == MainPageIndex || index == ImportPageIndex || index == EditResultPageIndex);
}

void TMasterForm::showEvent(QShowEvent* event) {
    shown_ = true;
    QWidget::showEvent(event);
}

void TMasterForm::changeEvent(QEvent* event) {
    // A reminder closes itself as soon as it gets the chance.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && warnMode_) close();
    QWidget::changeEvent(event);
}

void TMasterForm::ShowAbout() {
    AboutWindow about(platform_, this);
    app::PlaceDialog(about, *this);
    about.exec();
}

void TMasterForm::Finish() {
    close();
}

void TMasterForm::closeEvent(QCloseEvent* event) {
    if (!warnMode_) {
        const QStringList failures = SaveWindowAndData();
        if (!failures.isEmpty() && !CloseAfterFailedSave(failures)) {
            event->ignore();
            return;
        }
        if (failures.isEmpty()) dataFolderNotice_.AfterSave(platform_, this);
    }
    event->accept();
}

void TMasterForm::SaveAtSessionEnd() {
    if (warnMode_) return;
    // Nothing but a failure may hold up the session's end.
    dataFolderNotice_.Drop();
    const QStringList failures = SaveWindowAndData();
    if (!failures.isEmpty()) platform_.ShowError(this, failures.join(QLatin1String("\r\n")));
}

QStringList TMasterForm::SaveWindowAndData() {
    app::StorePosition(*this, settings_, kMainWindowSection);
    return SaveDataFiles();
}

// Each file is saved even when the other fails, so that one bad file never
// costs the other's changes.
QStringList TMasterForm::SaveDataFiles() {
    QStringList failures;
    const auto save = [&failures](auto&& action) {
        try {
            action();
        } catch (const std::exception& error) {
            failures << QString::fromLocal8Bit(error.what());
        }
    };
    save([this] { lottery_.SaveHistory(); });
    save([this] { lottery_.SaveTickets(); });
    return failures;
}

bool TMasterForm::CloseAfterFailedSave(const QStringList& failures) {
    platform_.ShowError(this, failures.join(QLatin1String("\r\n")));
    return platform_.AskYesNo(this, QStringLiteral("Tallimo"),
                              QStringLiteral("Your changes could not be saved.\r\n\r\n"
                                             "Close Tallimo anyway and lose them?"));
}

}  // namespace master
