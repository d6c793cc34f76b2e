#pragma once

#include <QString>

#include <cstdint>

namespace report {

enum TPrintUnits : std::uint8_t { unInch, unMM, unCM, unPoint, unUser };
enum TLineHeightMethod : std::uint8_t { lhmLinesPerInch, lhmFont };
enum TBKMode : std::uint8_t { bkTransparent, bkOpaque };
enum TOrientation : std::uint8_t { poPortrait, poLandScape, poDefault };

// How a tab cell (or a footer text) places its text.
enum TTabJustify : std::uint8_t { tjCenter = 0, tjLeft = 1, tjRight = 2 };

// Box lines of a tab cell, combined as bits (15 draws all four).
inline constexpr int blLeft = 1;
inline constexpr int blRight = 2;
inline constexpr int blTop = 4;
inline constexpr int blBottom = 8;

// Font styles of SelectFont, combined as bits.
inline constexpr int fsBold = 1;
inline constexpr int fsItalic = 2;
inline constexpr int fsUnderline = 4;
inline constexpr int fsStrikeOut = 8;

// Marks a tab position or a cell override that is not given.
inline constexpr int NoValue = -32768;

// Positions and widths in inches from the paper's left edge.
struct TTabStop {
    double Pos = 0;
    TTabJustify Justify = tjLeft;
    double Width = 0;  // 0: a bare position with no cell
    double Margin = 0;
    bool LineLeft = false;
    bool LineRight = false;
    bool LineTop = false;
    bool LineBottom = false;
    int Shade = 0;  // percent
};

// What the printer tells about its paper, in inches from the paper's edges.
// The defaults stand for "no printer installed".
struct PageGeometry {
    double DpiX = 96;
    double DpiY = 96;
    double OffsetLeft = 0;
    double OffsetRight = 0;
    double OffsetTop = 0;
    double OffsetBottom = 0;
    double PaperWidth = 8.5;
    double PaperHeight = 11;
};

struct PrinterNames {
    QString device;
    QString driver;
    QString port;
};

}  // namespace report
