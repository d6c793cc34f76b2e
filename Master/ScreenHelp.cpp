#include "Master/ScreenHelp.h"

#include "Master/TMasterForm.h"

namespace master {

QString ScreenHelpPage(int pageIndex) {
    switch (pageIndex) {
    case TMasterForm::TicketsPageIndex: return QStringLiteral("tickets.html");
    case TMasterForm::ImportPageIndex: return QStringLiteral("import.html");
    case TMasterForm::HistoryPageIndex: return QStringLiteral("history.html");
    case TMasterForm::EditResultPageIndex: return QStringLiteral("edit-result.html");
    case TMasterForm::ResultSheetPageIndex: return QStringLiteral("result-sheet.html");
    default: return QStringLiteral("main.html");
    }
}

}  // namespace master
