#include "Master/ImportPage.h"

#include "Master/PageWidgets.h"
#include "app/DateText.h"
#include "app/ErrorReport.h"
#include "app/MakerWebPage.h"
#include "lottery/HistoryImport.h"
#include "lottery/LotteryState.h"
#include "lottery/WholeFile.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace master {
namespace {

constexpr int kParagraphGap = 6;

// Word-wrapped paragraphs down the page from top, each as tall as its text
// needs in the page's font, so that no line is cut whatever the font.
void StackParagraphs(QWidget* parent, const QList<std::pair<const char*, QString>>& paragraphs, int top) {
    for (const auto& [name, text] : paragraphs) {
        QLabel* label = MakeLabel(parent, text, QRect(262, top, 307, 0));
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        label->resize(label->width(), label->heightForWidth(label->width()));
        top += label->height() + kParagraphGap;
    }
}

}  // namespace

ImportPage::ImportPage(app::Platform& platform, lottery::LotteryState& lottery, QWidget* parent)
    : QWidget(parent), platform_(platform), lottery_(lottery) {
    setObjectName(QStringLiteral("ImportPage"));
    MakeHeading(this, QStringLiteral("Import Winning Lines History"), QRect(262, 34, 307, 24));
    StackParagraphs(
        this,
        {{"Label14", QStringLiteral("Tallimo uses a history of winning numbers to enable Tickets to be checked against "
                                    "past Lottery Draws.")},
         {"Label6", QStringLiteral("This history is automatically maintained when you add a Lottery result to check "
                                   "your numbers or can be edited via the \"Lottery Results\" option.")},
         {"Label7", QStringLiteral("However, there may be times when your history list is too far out of date to be "
                                   "manually maintained. If this is the case, you can obtain an updated list from our "
                                   "Internet Web Site (%1). This updated list will be posted every few weeks.")
                        .arg(app::kMakerWebAddress)},
         {"Label8", QStringLiteral("Once the file has been downloaded to your PC, click the \"Import\" button, specify "
                                   "the location of the downloaded file and the history list will be rebuilt.")}},
        66);

    button1_ = MakeButton(this, QStringLiteral("Button1"), QStringLiteral("Import"), QRect(317, 402, 80, 26));
    button1_->setDefault(true);
    button8_ = MakeButton(this, QStringLiteral("Button8"), QStringLiteral("Cancel"), QRect(403, 402, 80, 26));
    button8_->setShortcut(Qt::Key_Escape);
    connect(button1_, &QPushButton::clicked, this, &ImportPage::Button1Click);
}

void ImportPage::Button1Click() {
    const QString path = platform_.OpenFileName(this, QStringLiteral("Import Wining Lines History"),
                                                QStringLiteral("Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*"),
                                                QStringLiteral("*.TXT"));
    if (path.isEmpty()) return;
    Import(path);
}

// The old history stays in memory and on disk until the whole file has been
// read without a fault and the rebuilt history is safely written.
void ImportPage::Import(const QString& path) {
    const lottery::WholeFile file = lottery::ReadWholeFile(path.toStdString());
    if (file.found != lottery::FileFound::Contents) {
        platform_.ShowError(this, QStringLiteral("Cannot open file %1").arg(path));
        return;
    }
    const lottery::ImportResult result = lottery::ReadImportFile(file.bytes, lottery_.LatestDrawNumber());
    bool imported = false;
    switch (result.status) {
    case lottery::ImportStatus::EmptyFile:
        ReportImportFailure(QStringLiteral("Import File is Empty or its Format is Invalid"));
        break;
    case lottery::ImportStatus::FormatError:
        ReportImportFailure(QStringLiteral("There is a format error in the Import File"));
        break;
    case lottery::ImportStatus::ConversionError:
        platform_.ShowError(this, QString::fromStdString(result.conversionMessage));
        break;
    case lottery::ImportStatus::Imported:
        imported = app::RunReportingFailure(platform_, this, [&] { lottery_.ImportHistory(result.history); });
        break;
    }
    emit Finished();
    // Told over the rebuilt history list, once it is safely saved.
    if (imported) ReportDrawsLeftOut(result);
}

void ImportPage::ReportImportFailure(const QString& reason) {
    platform_.Beep();
    platform_.ShowError(this, QStringLiteral("Import Failed:\r\n\r\n") + reason);
}

void ImportPage::ReportDrawsLeftOut(const lottery::ImportResult& result) {
    const auto draws = [](int count) {
        return count == 1 ? QStringLiteral("1 draw") : QStringLiteral("%1 draws").arg(QLocale().toString(count));
    };
    QStringList notes;
    if (result.laterGameDrawsLeftOut > 0)
        notes << QStringLiteral("%1 imported; %2 with balls above 49 left out (from %3 on, when the game changed).")
                     .arg(draws(result.drawsImported), draws(result.laterGameDrawsLeftOut),
                          app::DateText::ToQDate(result.laterGameFrom).toString(QStringLiteral("dd-MMM-yyyy")));
    if (result.drawsLeftOut > 0)
        notes << QStringLiteral("%1 could not be kept: Tallimo can keep at most %2 draw results.")
                     .arg(draws(result.drawsLeftOut))
                     .arg(lottery::THistoryList::kMaxEntries);
    if (!notes.isEmpty()) platform_.ShowWarning(this, notes.join(QStringLiteral("\n\n")));
}

}  // namespace master
