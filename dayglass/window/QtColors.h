#pragma once

#include "OleColor.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

// The colour on the screen; a system colour in the application palette's
// colour of the same meaning.
QColor toQColor(OleColor colour);

inline OleColor toOleColor(const QColor &colour) {
    return oleColor(static_cast<unsigned>(colour.red()), static_cast<unsigned>(colour.green()),
                    static_cast<unsigned>(colour.blue()));
}

// Sets one colour role of a widget's palette; nothing happens when it already
// has that colour, so that setting a colour again repaints nothing.
inline void setPaletteColor(QWidget *widget, QPalette::ColorRole role, const QColor &colour) {
    if (widget->palette().color(role) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}
