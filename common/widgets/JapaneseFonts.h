#pragma once

#include <QFont>

// The two fonts the windows are laid out for. They are Windows fonts; the
// substitutes installed here (IPA or Noto fonts) keep their character widths.
enum class FontFace { MsGothic, MsPGothic };
enum class FontWeight { Regular, Bold };

// Registers the substitutes; call once before any window is built.
void installJapaneseFontSubstitutes();

// The font at a size in points as the layouts give it, measured at 96 dots
// per inch so that text keeps its size in logical pixels on every screen.
QFont designFont(FontFace face, double points, FontWeight weight);
