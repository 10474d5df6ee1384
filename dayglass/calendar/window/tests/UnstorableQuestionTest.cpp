#include "UnstorableQuestion.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace std::chrono;

class UnstorableQuestionTest : public QObject {
    Q_OBJECT
private slots:
    void answersAsTheUserChooses_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<UnstorableChoice>("choice");
        QTest::newRow("replace") << "cmdReplace" << 0 << UnstorableChoice::ReplaceWithMark;
        QTest::newRow("UTF-8") << "cmdUtf8" << 0 << UnstorableChoice::StoreInUtf8;
        QTest::newRow("nothing") << "cmdRefuse" << 0 << UnstorableChoice::Refuse;
        // Enter and Escape import nothing.
        QTest::newRow("Enter") << "" << int(Qt::Key_Return) << UnstorableChoice::Refuse;
        QTest::newRow("Escape") << "" << int(Qt::Key_Escape) << UnstorableChoice::Refuse;
    }

    void answersAsTheUserChooses() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(UnstorableChoice, choice);
        std::vector<UnstorableCharacters> groups = {{"é", {2024y / March / 1, 2024y / March / 8}}};
        groups.push_back({"\u200B", {2024y / March / 2}});
        for (unsigned day = 1; day <= 30; ++day)
            groups.push_back({"한" + std::to_string(day), {2024y / April / day}});
        UnstorableQuestion question(nullptr, QStringLiteral("school.ics"), groups);
        question.show();
        QVERIFY(QTest::qWaitForWindowExposed(&question));
        // Every group is listed with its days, a character that shows nothing
        // by its code.
        const QString list =
            question.findChild<QPlainTextEdit *>(QStringLiteral("lstUnstorable"))->toPlainText();
        QVERIFY(list.startsWith(QStringLiteral("「é」：2024/03/01(金)、2024/03/08(金)\n")));
        QVERIFY(list.contains(QStringLiteral("\n「U+200B」：2024/03/02(土)\n")));
        QVERIFY(list.endsWith(QStringLiteral("「한30」：2024/04/30(火)")));
        if (key)
            QTest::keyClick(&question, Qt::Key(key));
        else
            QTest::mouseClick(question.findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(!question.isVisible());
        QCOMPARE(question.choice(), choice);
    }
};

QTEST_MAIN(UnstorableQuestionTest)
#include "UnstorableQuestionTest.moc"
