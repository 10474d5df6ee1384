#include "PeriodProblemMessage.h"

#include <array>

QString PeriodProblemMessage::text(const PeriodProblem &problem) {
    // A new kind of problem does not build without its own text.
    struct Texts {
        QString operator()(const InvalidField &invalid) const {
            // In the order of PeriodField.
            const std::array names = {tr("年"), tr("月"), tr("日"), tr("時間"), tr("分"), tr("秒")};
            const QString side = invalid.side == PeriodSide::Start ? tr("開始") : tr("終了");
            return tr("%1%2が不正です").arg(side, names[static_cast<std::size_t>(invalid.field)]);
        }
        QString operator()(const StartNotBeforeEnd &) const {
            return tr("『開始≧終了』になっています");
        }
    };
    return std::visit(Texts{}, problem);
}
