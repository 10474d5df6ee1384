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
        whenModalShownAs<QFileDialog>([&media](QFileDialog *dialog) {
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
        whenModalShownAs<QMessageBox>([&text](QMessageBox *box) {
            text = box->text();
            box->close();
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
