#pragma once

#include <QPushButton>

// A page tab: white caption on black in a grey bevel, raised while its page is
// hidden and sunk on a dark grey while it is shown. It paints itself rather
// than through a style sheet, which would load Qt's whole style sheet machinery
// for two buttons.
class TabButton : public QPushButton {
    Q_OBJECT
public:
    explicit TabButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {
        setCheckable(true);
    }

protected:
    void paintEvent(QPaintEvent *event) override;
};
