#include "JapaneseFonts.h"

#include <QStringList>
#include <cmath>

namespace {

const QString msGothic = QStringLiteral(u"ＭＳ ゴシック");
const QString msPGothic = QStringLiteral(u"ＭＳ Ｐゴシック");

} // namespace

void installJapaneseFontSubstitutes() {
    QFont::insertSubstitutions(
        msGothic, {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                   QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP"),
                   QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")});
    QFont::insertSubstitutions(msPGothic,
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                                QStringLiteral("TakaoPGothic")});
}

QFont designFont(FontFace face, double points, FontWeight weight) {
    QFont font(face == FontFace::MsGothic ? msGothic : msPGothic);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(weight == FontWeight::Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
