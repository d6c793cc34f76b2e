#include "Master/TMasterForm.h"

#include "Master/AboutWindow.h"
#include "Master/LogoPanel.h"
#include "Master/HeaderedList.h"
#include "Master/MainPage.h"
#include "Master/TicketsPage.h"
#include "app/DialogPlacement.h"
#include "app/ErrorReport.h"
#include "app/LocaleFormats.h"
#include "app/MakerWebPage.h"
#include "app/Platform.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QStackedWidget>

namespace master {
namespace {

const QString kMainWindowSection = QStringLiteral("Main Window");

app::DateText ProgramDateText() {
    const QLocale locale = QLocale::system();
    const app::LocaleFormats formats = app::ReadLocaleFormats(locale);
    return app::DateText(locale, app::TrimShortDateFormat(formats.shortDateFormat));
}

}  // namespace

TMasterForm::TMasterForm(app::Platform& platform, const app::DataFilePaths& paths, bool warnMode,
                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      platform_(platform),
      warnMode_(warnMode),
      dates_(ProgramDateText()),
      context_{platform, settings_, dates_},
      lottery_(paths.ticketFilePath.toStdString(), paths.historyFilePath.toStdString(),
               [&platform] { return app::DateText::FromQDate(platform.Today()); }) {
    setObjectName(QStringLiteral("MasterForm"));
    setWindowTitle(QStringLiteral("Tallimo"));
    setFixedSize(583, 441);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);
    PlaceWindow();
    BuildPages();
    ConnectPages();
    logo_->raise();
    button4_->raise();
    ShowPage(MainPageIndex);
    HeaderedList* linesList = ticketsPage_->LinesList();
    for (int section = 2; section <= 6; ++section) linesList->SetSectionWidth(section, linesList->SectionWidth(1));
    lottery_.LoadTickets();
    ticketsPage_->FillTicketsList();
    UpdateMainCounters();
}

void TMasterForm::PlaceWindow() {
    if (warnMode_) {
        move(-1000, -1000);
        return;
    }
    move(settings_.ReadInteger(kMainWindowSection, QStringLiteral("Left"), 20),
         settings_.ReadInteger(kMainWindowSection, QStringLiteral("Top"), 20));
}

void TMasterForm::BuildPages() {
    sheets_ = new QStackedWidget(this);
    sheets_->setObjectName(QStringLiteral("Sheets"));
    sheets_->setGeometry(rect());
    mainPage_ = new MainPage(sheets_);
    sheets_->addWidget(mainPage_);
    ticketsPage_ = new TicketsPage(context_, lottery_, sheets_);
    sheets_->addWidget(ticketsPage_);
    for (int index = ImportPageIndex; index < PageCount; ++index) sheets_->addWidget(new QWidget(sheets_));

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

void TMasterForm::ConnectPages() {
    connect(sheets_, &QStackedWidget::currentChanged, this, &TMasterForm::SheetsPageChanged);
    connect(mainPage_->Button2(), &QPushButton::clicked, this, &TMasterForm::Finish);
    connect(mainPage_->BitBtn1(), &QPushButton::clicked, this, &TMasterForm::BitBtn1Click);
    connect(ticketsPage_->Button5(), &QPushButton::clicked, this, &TMasterForm::Button5Click);
    connect(ticketsPage_->Button3(), &QPushButton::clicked, this, &TMasterForm::Button3Click);
    connect(ticketsPage_->Button19(), &QPushButton::clicked, this, &TMasterForm::Button19Click);
}

void TMasterForm::BitBtn1Click() {
    ticketsPage_->FillTicketsList();
    ticketsPage_->UpdateTicketsCount();
    ShowPage(TicketsPageIndex);
    ticketsPage_->ShowTicketDetails();
}

// "Save" on the tickets and history pages.
void TMasterForm::Button5Click() {
    if (app::RunReportingFailure(platform_, this, [this] { lottery_.SaveTickets(); })) ShowPage(MainPageIndex);
}

// "Cancel" on the tickets and history pages: back to the last saved tickets.
void TMasterForm::Button3Click() {
    lottery_.LoadTickets();
    ticketsPage_->FillTicketsList();
    ShowPage(MainPageIndex);
}

void TMasterForm::Button19Click() {
    if (ticketsPage_->Rows().rowCount() == 0) platform_.Beep();
}

void TMasterForm::ShowPage(int index) {
    sheets_->setCurrentIndex(index);
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
        settings_.WriteInteger(kMainWindowSection, QStringLiteral("Left"), x());
        settings_.WriteInteger(kMainWindowSection, QStringLiteral("Top"), y());
        const QStringList failures = SaveDataFiles();
        if (!failures.isEmpty() && !CloseAfterFailedSave(failures)) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

// Each file is saved even when the other fails, so that one bad file never
// costs the other's changes.
QStringList TMasterForm::SaveDataFiles() {
    QStringList failures;
    try {
        lottery_.SaveTickets();
    } catch (const std::exception& error) {
        failures << QString::fromLocal8Bit(error.what());
    }
    return failures;
}

bool TMasterForm::CloseAfterFailedSave(const QStringList& failures) {
    platform_.ShowError(this, failures.join(QLatin1String("\r\n")));
    return platform_.AskYesNo(this, QStringLiteral("Tallimo"),
                              QStringLiteral("Your changes could not be saved.\r\n\r\n"
                                             "Close Tallimo anyway and lose them?"));
}

}  // namespace master
