#pragma once

#include "app/AppContext.h"
#include "app/DataFilePaths.h"
#include "app/DataFolderNotice.h"
#include "app/DateText.h"
#include "app/SettingsStore.h"
#include "lottery/LotteryState.h"

#include <QWidget>

class QPushButton;
class QStackedWidget;

namespace master {

class EditResultPage;
class HistoryPage;
class ImportPage;
class LogoPanel;
class MainPage;
class ResultSheetPage;
class TicketsPage;

// The main window: one notebook of six pages switched in place, the logo
// panel in front of it on some pages, and the "About" button on all of them.
// It owns the run's lottery data and hands it to the pages and dialogs.
class TMasterForm : public QWidget {
    Q_OBJECT
public:
    enum PageIndex { MainPageIndex, TicketsPageIndex, ImportPageIndex, HistoryPageIndex,
                     EditResultPageIndex, ResultSheetPageIndex, PageCount };

    TMasterForm(app::Platform& platform, const app::DataFilePaths& paths, bool warnMode,
                QWidget* parent = nullptr);

    bool WarnMode() const { return warnMode_; }
    lottery::LotteryState& Lottery() { return lottery_; }
    const app::AppContext& Context() const { return context_; }

    void ShowPage(int index);
    int CurrentPage() const;
    void UpdateMainCounters();
    // When the desktop session ends: what closing saves, saved now without
    // closing, as the session may yet go on.
    void SaveAtSessionEnd();

    // The pages other than the main one are built on first use.
    MainPage* Main() const { return mainPage_; }
    TicketsPage* Tickets();
    ImportPage* Import();
    HistoryPage* History();
    EditResultPage* EditResult();
    ResultSheetPage* ResultSheet();
    LogoPanel* Logo() const { return logo_; }
    QPushButton* AboutButton() const { return button4_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void PlaceWindow();
    void BuildPages();
    void SheetsPageChanged(int index);
    void ShowAbout();
    void Finish();
    void ConnectMainPage();
    template <typename Page>
    Page* Install(int index, Page* page);
    QWidget* BuiltPage(int index);
    void BitBtn1Click();
    void BitBtn5Click();
    void BitBtn3Click();
    void Button11Click();
    void Button16Click();
    void Button10Click();
    void Button5Click();
    void Button3Click();
    void Button19Click(const QPushButton* raisedBy);
    QStringList SaveWindowAndData();
    QStringList SaveDataFiles();
    bool CloseAfterFailedSave(const QStringList& failures);

    app::Platform& platform_;
    const bool warnMode_;
    bool shown_ = false;
    app::SettingsStore settings_;
    app::DateText dates_;
    app::AppContext context_;
    lottery::LotteryState lottery_;
    app::DataFolderNotice dataFolderNotice_;

    QStackedWidget* sheets_ = nullptr;
    MainPage* mainPage_ = nullptr;
    TicketsPage* ticketsPage_ = nullptr;
    ImportPage* importPage_ = nullptr;
    HistoryPage* historyPage_ = nullptr;
    EditResultPage* editResultPage_ = nullptr;
    ResultSheetPage* resultSheetPage_ = nullptr;
    int returnPage_ = MainPageIndex;
    LogoPanel* logo_ = nullptr;
    QPushButton* button4_ = nullptr;
};

}  // namespace master
