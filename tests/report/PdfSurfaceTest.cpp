#include "report/PdfSurface.h"
#include "FileSizeLimit.h"
#include "PdfPageCount.h"
#include "report/EReportEngine.h"
#include "report/PrinterSurface.h"
#include "tests/report/RecordedReport.h"
#include "tests/report/SampleReport.h"

#include <QFile>
#include <QFontInfo>
#include <QTemporaryDir>

using namespace report;
using namespace report::testing;

namespace {

constexpr double kPixel = 1.0 / PdfSurface::kResolution;

QString ResolvedFamily(const QString& faceName) {
    ReportFont font;
    font.name = faceName;
    font.pixelHeight = 50;
    return QFontInfo(PainterSurface::QtFont(font)).family();
}

TEST(ReportFonts, TheReportFacesResolveToLiberationFonts) {
    EXPECT_EQ(ResolvedFamily(QStringLiteral("Arial")), "Liberation Sans");
    EXPECT_EQ(ResolvedFamily(QStringLiteral("MS Sans Serif")), "Liberation Sans");
    EXPECT_EQ(ResolvedFamily(QStringLiteral("Times New Roman")), "Liberation Serif");
    EXPECT_EQ(ResolvedFamily(QStringLiteral("Courier")), "Liberation Mono");
}

TEST(PdfSurface, A4WithQuarterInchStrips) {
    const PageGeometry geometry = PdfSurface(QStringLiteral("unused.pdf"), QPageSize(QPageSize::A4)).Geometry();
    EXPECT_EQ(geometry.DpiX, 600);
    EXPECT_EQ(geometry.DpiY, 600);
    EXPECT_NEAR(geometry.OffsetLeft, 0.25, kPixel);
    EXPECT_NEAR(geometry.OffsetRight, 0.25, kPixel);
    EXPECT_NEAR(geometry.OffsetTop, 0.25, kPixel);
    EXPECT_NEAR(geometry.OffsetBottom, 0.25, kPixel);
    // PDF pages measure whole points: A4 is 595 x 842.
    EXPECT_NEAR(geometry.PaperWidth, 595 / 72.0, kPixel);
    EXPECT_NEAR(geometry.PaperHeight, 842 / 72.0, kPixel);
}

TEST(PdfSurface, LandscapeLetterTurnsTheSheet) {
    TReportEngine engine(std::make_unique<PdfSurface>(QStringLiteral("unused.pdf"), QPageSize(QPageSize::Letter)));
    EXPECT_NEAR(engine.PaperWidth(), 8.5, kPixel);
    engine.SetOrientation(poLandScape);
    EXPECT_NEAR(engine.PaperWidth(), 11, kPixel);
    EXPECT_NEAR(engine.PaperHeight(), 8.5, kPixel);
}

TEST(PdfSurface, PrintsTheSampleReportOnTwoPages) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("sample.pdf"));
    TReportEngine engine(std::make_unique<PdfSurface>(fileName, QPageSize(QPageSize::Letter)));
    SampleReport sample(engine, 60);
    std::vector<double> descents;
    engine.OnNewPage = [&descents](TReportEngine& report) { descents.push_back(report.Descent()); };
    engine.PrintReport();

    ASSERT_EQ(descents.size(), 2u);
    // The footer's 8 point Liberation Serif descends about a fifth of its size.
    EXPECT_GT(descents[1], 0.015);
    EXPECT_LT(descents[1], 0.04);
    QFile pdf(fileName);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_TRUE(content.contains("/Count 2"));
}


TEST(PdfSurface, AKeptDocumentCollectsSeveralJobsInOneFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("jobs.pdf"));
    auto surface = std::make_unique<PdfSurface>(fileName, QPageSize(QPageSize::Letter));
    PdfSurface& pdf = *surface;
    TReportEngine engine(std::move(surface));
    SampleReport sample(engine, 60);
    std::vector<int> pageNumbers;
    engine.OnNewPage = [&pageNumbers](TReportEngine& report) { pageNumbers.push_back(report.CurrentPage()); };

    pdf.KeepDocumentOpen();
    engine.PrintReport();
    EXPECT_FALSE(pdf.DocumentOpen());  // the job has ended, the file has not
    engine.PrintReport();
    EXPECT_TRUE(pdf.EndKeptDocument());

    EXPECT_EQ(pageNumbers, (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(testsupport::PdfPageCount(fileName), 4);
}

TEST(PdfSurface, WithoutKeepingEveryJobWritesTheFileAnew) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("anew.pdf"));
    TReportEngine engine(std::make_unique<PdfSurface>(fileName, QPageSize(QPageSize::Letter)));
    SampleReport sample(engine, 60);
    engine.PrintReport();
    engine.PrintReport();
    EXPECT_EQ(testsupport::PdfPageCount(fileName), 2);
}

// The old file stays as it was rather than give way to a broken one.
TEST(PdfSurface, AFileNotWrittenWholeFailsTheJob) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("full.pdf"));
    QFile old(fileName);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    TReportEngine engine(std::make_unique<PdfSurface>(fileName, QPageSize(QPageSize::Letter)));
    SampleReport sample(engine, 60);
    QString failure;
    {
        testsupport::FileSizeLimit full(4096);
        try {
            engine.PrintReport();
        } catch (const EReportEngine& error) {
            failure = error.Message();
        }
    }
    EXPECT_EQ(failure, "Cannot create file " + fileName);
    EXPECT_FALSE(engine.Printing());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
}

TEST(PrinterSurface, WithoutPrintersTheJobShowsTheMessage) {
    TReportEngine engine(std::make_unique<PrinterSurface>([] { return false; }));
    QString shown;
    bool eventRaised = false;
    engine.ShowError = [&shown](const QString& message) { shown = message; };
    engine.OnBeforePrint = [&eventRaised](TReportEngine&) { eventRaised = true; };
    engine.OnPrintPage = [](TReportEngine&, int&) { return false; };
    engine.PrintReport();
    EXPECT_EQ(shown, "No printers are defined, aborting print job.");
    EXPECT_FALSE(eventRaised);
    EXPECT_EQ(engine.PaperWidth(), 8.5);
}

class SampleOnRecorder : public RecordedReport {};

TEST_F(SampleOnRecorder, RepeatsTheHeaderAndFooterOnEveryPage) {
    SampleReport sample(engine_, 60);
    engine_.PrintReport();
    int titles = 0;
    std::vector<QString> pageNumbers;
    for (const Call& text : Calls(Kind::Text)) {
        if (text.text == "Lottery Ticket Checklist") ++titles;
        if (text.text.startsWith(QStringLiteral("Page "))) pageNumbers.push_back(text.text);
    }
    EXPECT_EQ(titles, 2);
    EXPECT_EQ(pageNumbers, (std::vector<QString>{"Page 1", "Page 2"}));
    // Balls row (8), the drawn label (1) and the headings (9) on each page.
    int greyFills = 0;
    for (const Call& fill : Calls(Kind::Fill)) greyFills += fill.colour == QColor(230, 230, 230);
    EXPECT_EQ(greyFills, 2 * 18);
}

}  // namespace
