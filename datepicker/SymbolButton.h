#pragma once

#include <QColor>
#include <QToolButton>

namespace datepicker {

// A small speed button that shows a tick or a cross in a colour of its own.
// The symbols are drawn rather than taken from a symbol font, so they look
// the same whatever fonts are installed.
class SymbolButton : public QToolButton {
    Q_OBJECT

public:
    enum Symbol { Tick, Cross };

    SymbolButton(Symbol symbol, QWidget* parent = nullptr);

    QColor SymbolColor() const { return symbolColor_; }
    void SetSymbolColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Symbol symbol_;
    QColor symbolColor_;
};

}  // namespace datepicker
