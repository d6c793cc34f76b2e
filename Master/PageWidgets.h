#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QRect;
class QWidget;

namespace master {

// The few kinds of control every page is built from, placed at their
// designed positions.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry);
QLabel* MakeBoldLabel(QWidget* parent, const QString& text, const QRect& geometry);
QLabel* MakeHeading(QWidget* parent, const QString& text, const QRect& geometry);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);
void MakeRed(QLabel* label);
// Shows the text, shortened with "…" when it is wider than the label, and
// then the whole text in the label's tool tip.
void SetElidedText(QLabel* label, const QString& text);

}  // namespace master
