#include "ProgramUsage.h"

#include "ApplicationSetup.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

// The context of the texts of every program's command line.
struct CommandLineTexts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

QString translated(const char *source) {
    return QCoreApplication::translate("CommandLine", source);
}

// The options --help lists: the program's own, then those of every program.
std::vector<std::pair<QString, QString>> optionLines(const CommandLineSyntax &syntax) {
    std::vector<std::pair<QString, QString>> lines;
    for (const CommandLineOption &option : syntax.options) {
        QString names = QString::fromLatin1(option.name.data(), qsizetype(option.name.size()));
        if (!option.value.empty())
            names +=
                u' ' + QString::fromLatin1(option.value.data(), qsizetype(option.value.size()));
        lines.emplace_back(names, translated(option.description));
    }
    lines.emplace_back(QStringLiteral("-h, --help"),
                       CommandLineTexts::tr("この使い方を表示します"));
    lines.emplace_back(QStringLiteral("-v, --version"),
                       CommandLineTexts::tr("名前とバージョンを表示します"));
    return lines;
}

QString usageText(const ProgramUsage &usage) {
    QString synopsis = QString::fromLatin1(usage.program) + CommandLineTexts::tr(" [オプション]");
    if (*usage.operands)
        synopsis += u' ' + translated(usage.operands);
    QString text = CommandLineTexts::tr("使い方: %1").arg(synopsis) + u'\n' +
                   translated(usage.summary) + QStringLiteral("\n\n") +
                   CommandLineTexts::tr("オプション:") + u'\n';
    const auto lines = optionLines(usage.syntax);
    qsizetype width = 0;
    for (const auto &line : lines)
        width = std::max(width, line.first.size());
    for (const auto &[names, description] : lines)
        text += QStringLiteral("  ") + names.leftJustified(width + 2) + description + u'\n';
    return text +
           CommandLineTexts::tr("Qt のオプション（-platform 名前、-style 名前 など）も使えます。") +
           QStringLiteral("\n\n") + CommandLineTexts::tr("ファイル:") + u'\n' +
           translated(usage.files);
}

// What is wrong with the command line, as one line.
QString problemText(const ProgramUsage &usage, const CommandLineStop &stop) {
    const QString program = QString::fromLatin1(usage.program);
    const QString argument = QString::fromLocal8Bit(stop.argument);
    switch (stop.kind) {
    case CommandLineStop::Kind::UnknownOption:
        return CommandLineTexts::tr("%1: 知らないオプションです: %2").arg(program, argument);
    case CommandLineStop::Kind::MissingValue:
        return CommandLineTexts::tr("%1: %2 のあとに引数がありません").arg(program, argument);
    case CommandLineStop::Kind::TooManyOperands:
        return CommandLineTexts::tr("%1: 余分な引数です: %2").arg(program, argument);
    case CommandLineStop::Kind::Help:
    case CommandLineStop::Kind::Version:
        break;
    }
    return {};
}

// Writes a text of the command line in the user's language. The translations
// need an application object, made here for the text alone where the program
// has none yet.
template <typename Write> void writeInUsersLanguage(Write write) {
    char program[] = "program";
    char *arguments[] = {program, nullptr};
    int count = 1;
    std::optional<QCoreApplication> application;
    if (!QCoreApplication::instance())
        application.emplace(count, arguments);
    installTranslations();
    write();
}

} // namespace

Result<CommandLine, int> readCommandLine(int argc, char *argv[], const ProgramUsage &usage) {
    const char *const *first = argv + std::min(argc, 1);
    const std::span<const char *const> arguments(first, std::size_t(std::max(argc - 1, 0)));
    Result<CommandLine, CommandLineStop> commandLine = parseCommandLine(arguments, usage.syntax);
    if (commandLine)
        return std::move(*commandLine);
    const CommandLineStop &stop = commandLine.error();
    if (stop.kind == CommandLineStop::Kind::Help) {
        writeInUsersLanguage([&] { writeLine(stdout, usageText(usage)); });
    } else if (stop.kind == CommandLineStop::Kind::Version) {
        writeLine(stdout,
                  QString::fromLatin1(usage.program) + u' ' + QStringLiteral(PROGRAM_VERSION));
    } else {
        writeInUsersLanguage([&] {
            writeLine(stderr, problemText(usage, stop));
            writeLine(stderr, usageText(usage));
        });
        return Failure{2};
    }
    return Failure{std::fflush(stdout) == 0 ? 0 : 1};
}

int refuseCommandLine(const ProgramUsage &usage) {
    writeInUsersLanguage([&] { writeLine(stderr, usageText(usage)); });
    return 2;
}

void writeLine(std::FILE *stream, const QString &text) {
    std::fputs((text + u'\n').toLocal8Bit().constData(), stream);
}
