#include "PeriodProblemMessage.h"

#include <array>

namespace {

// The field names of the messages, in the order of PeriodField.
constexpr std::array<const char *, 6> fieldNames = {
    QT_TRANSLATE_NOOP("PeriodProblemMessage", "年"),
    QT_TRANSLATE_NOOP("PeriodProblemMessage", "月"),
    QT_TRANSLATE_NOOP("PeriodProblemMessage", "日"),
    QT_TRANSLATE_NOOP("PeriodProblemMessage", "時間"),
    QT_TRANSLATE_NOOP("PeriodProblemMessage", "分"),
    QT_TRANSLATE_NOOP("PeriodProblemMessage", "秒")};

} // namespace

QString PeriodProblemMessage::text(const PeriodProblem &problem) {
    return std::visit([](const auto &kind) { return text(kind); }, problem);
}

QString PeriodProblemMessage::text(const InvalidField &invalid) {
    const QString side = invalid.side == PeriodSide::Start ? tr("開始") : tr("終了");
    return tr("%1%2が不正です").arg(side, tr(fieldNames[static_cast<std::size_t>(invalid.field)]));
}

QString PeriodProblemMessage::text(const StartNotBeforeEnd &) {
    return tr("『開始≧終了』になっています");
}
