#pragma once

#include "report/ReportSurface.h"

#include <vector>

namespace report {

// A surface for tests: it draws nothing and logs every call with its device
// coordinates. Its font metrics are simple enough to predict: every
// character is half the font's pixel height wide, and the descent is a fifth
// of the pixel height (both truncated).
class RecordingSurface : public ReportSurface {
public:
    enum class Kind { Begin, NewSheet, End, Abort, Text, Fill, Line, Copies, Orientation };

    struct Call {
        explicit Call(Kind callKind) : kind(callKind) {}

        Kind kind;
        QString text;  // Text: the text; Begin: the title
        TTabJustify align = tjLeft;
        QPoint from;   // Text: the anchor on the baseline; Line: the start
        QPoint to;
        QRect rect;    // Fill
        QColor colour;
        int value = 0;  // Line: pen width; Copies: count; Orientation
        ReportFont font;
        bool opaque = false;
    };

    // A Letter sheet at 600 dpi with quarter-inch unprintable strips.
    static PageGeometry LaserLetter();

    explicit RecordingSurface(const PageGeometry& geometry = LaserLetter());

    static int CharWidth(int pixelHeight) { return pixelHeight / 2; }
    static int Descent(int pixelHeight) { return pixelHeight / 5; }

    // Set by a test: whether a printer exists, whether opening fails.
    bool available = true;
    bool beginFails = false;

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Call> CallsOf(Kind kind) const;
    void ClearCalls() { calls_.clear(); }

    bool Available() const override { return available; }
    PageGeometry Geometry() const override { return geometry_; }
    PrinterNames Names() const override;
    void SetCopies(int copies) override;
    // Landscape turns the sheet: paper sides and strips swap.
    void SetOrientation(TOrientation orientation) override;

    bool BeginDocument(const QString& title) override;
    bool DocumentOpen() const override { return open_; }
    void NewSheet() override { Log(Call(Kind::NewSheet)); }
    bool EndDocument() override;
    void AbortDocument() override;

    int TextWidth(const QString& text, const ReportFont& font) const override;
    int FontDescent(const ReportFont& font) const override { return Descent(font.pixelHeight); }
    void DrawText(QPoint anchor, TTabJustify align, const QString& text, const ReportFont& font,
                  bool opaque) override;
    void FillRect(const QRect& rect, QColor colour) override;
    void DrawLine(QPoint from, QPoint to, int penWidth) override;

private:
    void Log(Call call) { calls_.push_back(std::move(call)); }

    PageGeometry geometry_;
    bool landscape_ = false;
    bool open_ = false;
    std::vector<Call> calls_;
};

}  // namespace report
