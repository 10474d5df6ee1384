#include "PlainMenuWindow.h"

#include "AccessibleTree.h"
#include "ApplicationSetup.h"
#include "MenuDescription.h"
#include "ModalDriver.h"
#include "RecordingOpener.h"
#include "TemporaryFolder.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace fs = std::filesystem;

class PlainMenuWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_medium = std::make_unique<TemporaryFolder>();
        m_opener = RecordingOpener();
    }

    // One medium of a driver disc: every choice in the shell's order, the
    // default verb focused, and each choice handed to the opener as a
    // skinned button's target is, after which the menu ends; the arrow keys
    // move between the buttons and Escape ends the menu.
    void showsTheChoicesAndOpensEachOnTheMedium() {
        writeBytes(m_medium->path() / "SETUP.EXE", "MZ");
        writeBytes(m_medium->path() / "readme.txt", "read me");
        write("[AutoRun]\r\nOpen=setup.exe /s\r\nICON=missing.ico\r\nLabel=Driver CD\r\n"
              "shellexecute=http://example.com/\r\nshell\\readme=&Read me\r\n"
              "shell\\readme\\command=notepad.exe readme.txt\r\n"
              "shell\\manual=Manual && more\r\nshell\\manual\\command=readme.txt\r\n"
              "shell=MANUAL\r\n");
        const std::vector<std::pair<const char *, const char *>> textsAndNames = {
            {"setup.exe を実行", "setup.exe を実行"},
            {"http://example.com/ を開く", "http://example.com/ を開く"},
            {"&Read me", "Read me"},
            {"Manual && more", "Manual & more"},
            {"フォルダーを開く", "フォルダーを開く"},
            {"閉じる", "閉じる"},
        };
        const std::string root = fs::canonical(m_medium->path()).string();
        const std::vector<LaunchAction> actions = {
            {LaunchKind::OpenRunnableFile, root + "/SETUP.EXE", FileFinding::WindowsProgram},
            {LaunchKind::OpenUrl, "http://example.com/"},
            {LaunchKind::OpenFile, root + "/readme.txt"},
            {LaunchKind::OpenFile, root + "/readme.txt"},
            {LaunchKind::OpenFile, root},
        };
        for (std::size_t choice = 0; choice <= actions.size(); ++choice) {
            auto window = showWindow();
            QCOMPARE(window->windowTitle(), QStringLiteral("Driver CD"));
            QCOMPARE(window->findChild<QLabel *>(QStringLiteral("label"))->text(),
                     QStringLiteral("Driver CD"));
            const auto buttons = window->findChildren<QPushButton *>();
            QCOMPARE(buttons.size(), qsizetype(textsAndNames.size()));
            for (std::size_t index = 0; index < textsAndNames.size(); ++index) {
                QCOMPARE(buttons[index]->text(), QString::fromUtf8(textsAndNames[index].first));
                QCOMPARE(buttons[index]->accessibleName(),
                         QString::fromUtf8(textsAndNames[index].second));
            }
            QCOMPARE(QApplication::focusWidget(), buttons[3]);
            QSignalSpy finished(window.get(), &QDialog::finished);
            if (choice < actions.size()) {
                QTest::mouseClick(buttons[choice], Qt::LeftButton);
            } else {
                QTest::keyClick(buttons[3], Qt::Key_Down);
                QCOMPARE(QApplication::focusWidget(), buttons[4]);
                QTest::keyClick(buttons[4], Qt::Key_Up);
                QCOMPARE(QApplication::focusWidget(), buttons[3]);
                QTest::keyClick(buttons[3], Qt::Key_Escape);
            }
            QCOMPARE(finished.size(), 1);
        }
        QVERIFY(m_opener.actions == actions);
    }

    // As a skinned button's target: a target off the medium is refused with
    // the same message, after which the menu ends; a menu from a folder asks
    // before it runs a program, and No leaves the menu as it was.
    void refusesOrAsksBeforeTheStart() {
        writeBytes(m_medium->path() / "setup.exe", "MZ");
        for (const MenuSource source : {MenuSource::Medium, MenuSource::Folder}) {
            write(source == MenuSource::Medium
                      ? "[autorun]\r\nopen=..\\..\\..\\..\\bin\\sh -c id\r\n"
                      : "[autorun]\r\nopen=setup.exe\r\n");
            auto window = showWindow(source);
            QSignalSpy finished(window.get(), &QDialog::finished);
            QString shown;
            whenModalShownAs<QMessageBox>([&](QMessageBox *box) {
                shown = box->text();
                box->button(source == MenuSource::Medium ? QMessageBox::Ok : QMessageBox::No)
                    ->click();
            });
            QTest::mouseClick(window->findChildren<QPushButton *>().front(), Qt::LeftButton);
            QVERIFY(shown.startsWith(
                source == MenuSource::Medium
                    ? QStringLiteral("メディアの外にあるファイルは開けません。")
                    : QStringLiteral("このメニューはディスクではなくフォルダーから")));
            QCOMPARE(finished.size(), source == MenuSource::Medium ? 1 : 0);
        }
        QVERIFY(m_opener.actions.empty());
    }

    // Under another language than Japanese, nothing of the menu and its
    // messages reads in Japanese. Run by the variants under English and German
    // locales.
    void everyWindowSpeaksTheUsersLanguage() {
        installTranslations();
        if (QLocale().language() == QLocale::Japanese)
            QSKIP("the variants under English and German locales run this");
        writeBytes(m_medium->path() / "setup.exe", "MZ");
        write("[autorun]\r\nopen=setup.exe\r\nlabel=Driver CD\r\n"
              "shell\\manual=Manual\r\nshell\\manual\\command=..\\..\\manual.txt\r\n");
        // The menu of the medium, with a choice off it; from a folder the
        // program's start is asked about first.
        QStringList japanese = japaneseTexts(showWindow(MenuSource::Medium).get());
        auto window = showWindow(MenuSource::Folder);
        QVERIFY(window);
        bool answered = false;
        whenModalShown([&](QWidget *question) {
            japanese += japaneseTexts(question);
            qobject_cast<QDialog *>(question)->reject();
            answered = true;
        });
        QTest::mouseClick(window->findChildren<QPushButton *>().front(), Qt::LeftButton);
        QTRY_VERIFY(answered);
        QVERIFY2(japanese.isEmpty(), qPrintable(japanese.join(QLatin1Char('\n'))));
    }

    // The icon inside the disc's setup program heads the menu in the size
    // that fits and is the window's icon in every size it has; a damaged
    // program keeps the stand-in. A choice whose file is not on the medium
    // cannot be chosen and says what is missing.
    void showsTheProgramsIconAndWhatIsMissing() {
        fs::copy_file(EXAMPLES_DIR "/driver-cd/setup.exe", m_medium->path() / "setup.exe");
        writeBytes(m_medium->path() / "broken.exe", "MZ and nothing after it");
        for (const std::string program : {"setup.exe", "broken.exe"}) {
            write("[autorun]\r\nicon=" + program +
                  "\r\nopen=gone.exe /s\r\nshellexecute=setup.exe\r\n");
            auto window = showWindow();
            const bool own = program == "setup.exe";
            const QIcon icon = window->windowIcon();
            QCOMPARE(icon.cacheKey() != QApplication::windowIcon().cacheKey(), own);
            const QImage heading =
                window->findChild<QLabel *>(QStringLiteral("icon"))->pixmap().toImage();
            QCOMPARE(heading.size(), QSize(48, 48));
            if (own) {
                QCOMPARE(icon.availableSizes().size(), 3);
                QCOMPARE(heading.convertToFormat(QImage::Format_ARGB32),
                         icon.pixmap(48).toImage().convertToFormat(QImage::Format_ARGB32));
            }
            const auto buttons = window->findChildren<QPushButton *>();
            QVERIFY(!buttons[0]->isEnabled());
            QCOMPARE(buttons[0]->toolTip(), QStringLiteral("gone.exe がメディアにありません。"));
            QCOMPARE(buttons[0]->accessibleDescription(), buttons[0]->toolTip());
            QVERIFY(buttons[1]->isEnabled());
            QCOMPARE(QApplication::focusWidget(), buttons[1]);
        }
    }

    void hostileTextsAndVerbsAreCutForTheScreen() {
        const std::string longText(5000, 'W');
        std::string content =
            "[autorun]\r\nlabel=" + longText + "\r\naction=" + longText + "\r\nopen=x.exe\r\n";
        for (int verb = 0; verb < 3000; ++verb)
            content += "shell\\v" + std::to_string(verb) + "=" + longText + "\r\nshell\\v" +
                       std::to_string(verb) + "\\command=x.exe\r\n";
        write(content);
        auto window = showWindow();
        const auto buttons = window->findChildren<QPushButton *>();
        QCOMPARE(int(buttons.size()), 1 + int(maximumShownVerbs) + 2);
        QVERIFY(window->windowTitle().size() <= PlainMenuWindow::maximumShownCharacters);
        QVERIFY(window->height() < window->screen()->availableGeometry().height());
        for (const QPushButton *button : buttons)
            QVERIFY(button->text().size() <= PlainMenuWindow::maximumShownCharacters);
    }

    // Real files of driver, game and portable-application media, and the
    // fuzzer's seeds: each gives a menu, whatever files it names are missing.
    void everyCollectedFileGivesAMenu() {
        int plain = 0;
        for (const auto &entry : fs::directory_iterator(CORPUS_DIR)) {
            fs::copy_file(entry.path(), m_medium->path() / "Autorun.inf",
                          fs::copy_options::overwrite_existing);
            const auto read = readMenuDescription(m_medium->path());
            const auto *menu = read ? std::get_if<PlainMenu>(&*read) : nullptr;
            if (!menu)
                continue;
            ++plain;
            PlainMenuWindow window(m_medium->path(), *menu, m_opener);
            window.show();
            const auto buttons = window.findChildren<QPushButton *>();
            QVERIFY2(buttons.size() >= 2, entry.path().c_str());
            QCOMPARE(buttons.back()->text(), QStringLiteral("閉じる"));
        }
        QVERIFY(plain >= 30);
    }

private:
    void write(const std::string &content) const {
        writeBytes(m_medium->path() / "Autorun.inf", content);
    }

    std::unique_ptr<PlainMenuWindow> showWindow(MenuSource source = MenuSource::Medium) {
        const auto read = readMenuDescription(m_medium->path());
        const auto *menu = read ? std::get_if<PlainMenu>(&*read) : nullptr;
        if (!menu)
            return nullptr;
        auto window = std::make_unique<PlainMenuWindow>(m_medium->path(), *menu, m_opener, source);
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            return nullptr;
        return window;
    }

    std::unique_ptr<TemporaryFolder> m_medium;
    RecordingOpener m_opener;
};

QTEST_MAIN(PlainMenuWindowTest)
#include "PlainMenuWindowTest.moc"
