#pragma once

#include <QFrame>

class QPushButton;

namespace master {

// The teal panel with the program's picture, name, version and a button
// that opens the maker's web page.
class LogoPanel : public QFrame {
    Q_OBJECT
public:
    explicit LogoPanel(QWidget* parent);

    QPushButton* WebButton() const { return webButton_; }

private:
    QPushButton* webButton_;
};

}  // namespace master
