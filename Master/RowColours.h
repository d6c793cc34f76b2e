#pragma once

#include <QColor>

class QPalette;

namespace master {

// The colours a list row is painted in. A plain row shows the program's own
// colours on the list's background when that is light. The selected row is
// shown on a pale shade of the selection colour, and every colour on it, as
// on a dark list background, is darkened or lightened as little as needed
// to be read there (a contrast ratio of at least 4.5:1), as grey and red on
// the full selection colour can hardly be.
class RowColours {
public:
    RowColours(const QPalette& palette, bool selected);

    const QColor& Background() const { return background_; }
    const QColor& Text() const { return text_; }
    // A colour the program gives part of a row, as it is shown on this row.
    QColor Shown(const QColor& colour) const;

    // The contrast ratio of two colours, 1 to 21, as accessibility
    // guidelines define it.
    static double Contrast(const QColor& a, const QColor& b);
    static bool IsDark(const QColor& background);
    // The colour, darkened or lightened as little as needed to be read on
    // the background.
    static QColor Readable(const QColor& colour, const QColor& background);

private:
    bool adjusted_;
    QColor background_;
    QColor text_;
};

}  // namespace master
