#include "MenuCheckReport.h"

#include "LauncherMessages.h"
#include "MediumPath.h"
#include "MenuCheck.h"
#include "PictureStore.h"

#include <QStringList>
#include <QTextStream>

namespace fs = std::filesystem;

namespace {

QString authoringText(AuthoringProblem problem) {
    switch (problem) {
    case AuthoringProblem::ButtonSectionMissing:
        return MenuCheckReport::tr("Num が数えるボタンのセクション [%1] がありません。");
    case AuthoringProblem::ButtonSectionNotCounted:
        return MenuCheckReport::tr("セクション [%1] は Num の数より後のボタンなので読まれません。");
    case AuthoringProblem::ButtonOutsideWindow:
        return MenuCheckReport::tr("ボタン [%1] がウィンドウの外にあります。");
    case AuthoringProblem::ButtonPartlyOutsideWindow:
        return MenuCheckReport::tr("ボタン [%1] の一部がウィンドウの外にはみ出しています。");
    case AuthoringProblem::ButtonsOverlap:
        return MenuCheckReport::tr("ボタン [%1] がボタン [%2] と重なっています。");
    case AuthoringProblem::TargetMissing:
        return MenuCheckReport::tr("%1 がメディアにありません。");
    case AuthoringProblem::UnknownKey:
        return MenuCheckReport::tr("キー %1 はこのセクションにはありません。%2 のまちがいですか？");
    }
    return {};
}

QString programIconText(NoProgramIcon problem) {
    switch (problem) {
    case NoProgramIcon::Missing:
        return MenuCheckReport::tr("アイコンのファイルが見つかりません。");
    case NoProgramIcon::OffMedium:
        return MenuCheckReport::tr("アイコンのファイルがメディアの外にあります。");
    case NoProgramIcon::TooLarge:
        return MenuCheckReport::tr("アイコンのファイルが大きすぎます。");
    case NoProgramIcon::NotAProgram:
        return MenuCheckReport::tr("アイコンのファイルが Windows のプログラムではありません。");
    case NoProgramIcon::NoIcons:
        return MenuCheckReport::tr("プログラムにアイコンがありません。");
    case NoProgramIcon::NoSuchIcon:
        return MenuCheckReport::tr("プログラムにその番号のアイコンがありません。");
    case NoProgramIcon::Damaged:
        return MenuCheckReport::tr("プログラムのアイコンが壊れています。");
    case NoProgramIcon::OverBudget:
        return LauncherMessages::loadProblem(LoadProblem::PicturesOverBudget);
    }
    return {};
}

// A path of the medium as the author wrote it: relative to its root.
QString shownPath(const std::string &subject, const fs::path &mediumRoot) {
    const std::string root = mediumRoot.string() + '/';
    return QString::fromStdString(subject.starts_with(root) ? subject.substr(root.size())
                                                            : subject);
}

// The sentence, then what it is about and the reader's own explanation.
QString problemText(const CheckFinding &finding, const QString &subject) {
    const auto withSubject = [&](const QString &text) {
        QStringList about;
        if (!subject.isEmpty())
            about << subject;
        if (!finding.detail.empty())
            about << QString::fromStdString(finding.detail);
        return about.isEmpty() ? text
                               : text + QStringLiteral(" (") + about.join(QStringLiteral(", ")) +
                                     QLatin1Char(')');
    };
    if (const auto *problem = std::get_if<AuthoringProblem>(&finding.problem)) {
        const QString text = authoringText(*problem).arg(subject);
        return finding.detail.empty() ? text : text.arg(QString::fromStdString(finding.detail));
    }
    if (const auto *problem = std::get_if<LoadProblem>(&finding.problem))
        return withSubject(LauncherMessages::loadProblem(*problem));
    if (const auto *refusal = std::get_if<LaunchRefusal>(&finding.problem))
        return withSubject(LauncherMessages::refusal(*refusal));
    return withSubject(programIconText(std::get<NoProgramIcon>(finding.problem)));
}

// The line of one finding in the file named `fileName`; paths on the medium
// are shown relative to `mediumRoot`.
QString findingLine(const CheckFinding &finding, const QString &fileName,
                    const fs::path &mediumRoot) {
    const QString place =
        finding.line == 0 ? fileName : fileName + QLatin1Char(':') + QString::number(finding.line);
    return place + QStringLiteral(": ") +
           problemText(finding, shownPath(finding.subject, mediumRoot));
}

} // namespace

int MenuCheckReport::checkMedium(const fs::path &mediumRoot, QTextStream &out) {
    PictureStore pictures(mediumRoot);
    const auto findings = checkMenu(
        mediumRoot, [&pictures](const std::string &path) -> Result<PictureSize, LoadError> {
            const auto picture = pictures.picture(path);
            if (!picture)
                return Failure{picture.error()};
            return PictureSize{picture->width(), picture->height()};
        });
    const QString fileName = QString::fromStdString(
        fs::path(mediumFilePath(mediumRoot, descriptionFileName)).filename().string());
    for (const CheckFinding &finding : findings)
        out << findingLine(finding, fileName, mediumRoot) << '\n';
    out << tr("問題: %1 件").arg(findings.size()) << '\n';
    out.flush();
    return findings.empty() ? 0 : 1;
}
