#pragma once

#include <QSpinBox>

#include <functional>

namespace printtickets {

// The number of copies, 1 to 99: it takes the digits, "+", "-" and the
// locale's decimal separator; any other typed character is refused with
// the system beep.
class CopiesSpinEdit : public QSpinBox {
public:
    CopiesSpinEdit(std::function<void()> beep, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> beep_;
};

}  // namespace printtickets
