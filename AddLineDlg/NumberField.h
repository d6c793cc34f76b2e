#pragma once

#include <QLineEdit>

namespace addlinedlg {

// One number of a board: two characters, centred and bold. Typing lets only
// digits through (and the keys that edit or leave the field); Enter is
// swallowed and reported, so the wizard decides where it leads. Pasted text
// is not filtered: the board check catches what is no number.
class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent);

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace addlinedlg
