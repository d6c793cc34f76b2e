// Renders the sample report into a PDF file: report_sample FILE.pdf [ROWS]

#include "report/PdfSurface.h"
#include "tests/report/SampleReport.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::cerr << "usage: report_sample FILE.pdf [ROWS]\n";
        return 2;
    }
    report::TReportEngine engine(std::make_unique<report::PdfSurface>(args[1]));
    engine.Title = QStringLiteral("Tallimo");
    report::testing::SampleReport sample(engine, args.size() > 2 ? args[2].toInt() : 60);
    engine.PrintReport();
    return 0;
}
