#include "HostileInput.h"
#include "HostilePictures.h"
#include "PictureStore.h"
#include "TemporaryFolder.h"

#include <QTest>

Q_DECLARE_METATYPE(std::string)

// Pictures that Autorun.inf may name, whatever they hold: each gives an error
// within a second, never a crash or gigabytes of memory.
class HostilePictureTest : public QObject {
    Q_OBJECT

private slots:
    void refusesInTime_data() {
        QTest::addColumn<std::string>("content");
        QTest::addColumn<int>("problem");
        const int invalid = int(LoadProblem::PictureInvalid);
        QTest::newRow("BMP header of 60000 x 60000") << hugeBmpHeader << invalid;
        QTest::newRow("PNG header of 60000 x 60000") << hugePngHeader << invalid;
        QTest::newRow("GIF header of 60000 x 60000")
            << hugeGifHeader << int(LoadProblem::PicturesOverBudget);
        QTest::newRow("JPEG header of 60000 x 60000") << hugeJpegHeader << invalid;
        QTest::newRow("text file") << std::string("This is not a picture.\n") << invalid;
        QTest::newRow("empty file") << std::string() << invalid;
        QTest::newRow("binary garbage") << binaryGarbage(64 << 10) << invalid;
        QTest::newRow("50 MB of garbage") << binaryGarbage(fiftyMegabytes) << invalid;
        QTest::newRow("folder") << std::string() << int(LoadProblem::PictureMissing);
    }

    void refusesInTime() {
        QFETCH(std::string, content);
        QFETCH(int, problem);
        TemporaryFolder medium;
        const std::filesystem::path path = medium / "picture.png";
        if (problem == int(LoadProblem::PictureMissing))
            std::filesystem::create_directory(path);
        else
            writeBytes(path, content);
        std::optional<std::variant<QPixmap, LoadError>> picture;
        PictureStore pictures(medium.path());
        QVERIFY(timeOf([&] { picture = pictures.picture(path.string()); }) < hangLimit);
        const auto *error = std::get_if<LoadError>(&*picture);
        QVERIFY(error);
        QCOMPARE(int(error->problem), problem);
        QCOMPARE(error->file, path.string());
    }
};

QTEST_MAIN(HostilePictureTest)
#include "HostilePictureTest.moc"
