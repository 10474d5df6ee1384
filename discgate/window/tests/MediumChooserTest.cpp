#include "MediumChooser.h"

#include "ModalDriver.h"
#include "TemporaryFolder.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

namespace fs = std::filesystem;

namespace {

class MediumChooserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("discgate")); }

    void aFoundMediumIsTakenWithoutAsking() {
        TemporaryFolder medium;
        writeBytes(medium / "Autorun.inf", "");
        bool asked = false;
        whenModalShown(
            [&asked](QWidget *modal) {
                asked = true;
                modal->close();
            },
            500);
        QCOMPARE(chooseMediumFolder({medium.path(), std::nullopt, {}}, medium.path()),
                 std::optional(medium.path()));
        QTest::qWait(600);
        QVERIFY(!asked);
    }

    void withoutAMediumTheUserPicksAFolder() {
        TemporaryFolder media;
        fs::create_directories(media / "DISC");
        whenModalShown([&media](QWidget *modal) {
            const auto closer = closedAtEnd(modal);
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(),
                     QStringLiteral("メニューのあるメディアを選んでください - discgate"));
            QCOMPARE(dialog->directory().absolutePath().toStdString(), media.path().string());
            dialog->selectFile(QString::fromStdString((media / "DISC").string()));
            static_cast<QDialog *>(dialog)->accept();
        });
        QCOMPARE(chooseMediumFolder({media / "bin", std::nullopt, {}}, media.path()),
                 std::optional(media / "DISC"));
    }

    void aUriOfAnotherComputerIsRefusedWithAMessage() {
        QString text;
        whenModalShown([&text](QWidget *modal) {
            text = qobject_cast<QMessageBox *>(modal)->text();
            modal->close();
        });
        QCOMPARE(mediumSearchOf({"smb://server/disc"}), std::nullopt);
        QVERIFY2(text.contains(QStringLiteral("smb://server/disc")), qPrintable(text));
    }

    void cancellingThePickEndsWithoutAMedium() {
        TemporaryFolder media;
        whenModalShown([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
        QCOMPARE(chooseMediumFolder({media / "bin", std::nullopt, {}}, media.path()), std::nullopt);
    }
};

} // namespace

QTEST_MAIN(MediumChooserTest)
#include "MediumChooserTest.moc"
