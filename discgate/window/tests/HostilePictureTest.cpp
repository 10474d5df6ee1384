#include "GifWork.h"
#include "HostileInput.h"
#include "HostilePictures.h"
#include "PictureStore.h"
#include "TemporaryFolder.h"

#include <QBuffer>
#include <QTest>
#include <sys/stat.h>

// Pictures that Autorun.inf may name, whatever they hold: each gives an error
// within a second, never a crash or gigabytes of memory.
class HostilePictureTest : public QObject {
    Q_OBJECT

private slots:
    void refuses_data() {
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
        QTest::newRow("ICO holding a PNG of 9000 x 9000")
            << iconHolding(largePng) << int(LoadProblem::PicturesOverBudget);
        QTest::newRow("XPM, a format no menu needs")
            << std::string("/* XPM */\nstatic char *p[] = {\"1 1 1 1\", \"a c #FF0000\", \"a\"};\n")
            << int(LoadProblem::PictureFormatRefused);
        QTest::newRow("GIF of one pixel whose codes repeat its longest string")
            << gifRepeatingLongestCode(10) << int(LoadProblem::PictureDataBeyondFrames);
        QTest::newRow("folder") << std::string() << int(LoadProblem::PictureMissing);
        QTest::newRow("pipe") << std::string() << int(LoadProblem::PictureMissing);
        QTest::newRow("sparse file above 64 MB")
            << std::string() << int(LoadProblem::PictureTooLarge);
        // A progressive JPEG of 1000 scans is refused before any is decoded; a
        // picture outside the medium, through ".." or a link, is never read.
        std::string scans = "\xFF\xD8";
        for (int scan = 0; scan < 1000; ++scan)
            scans += std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x12\x34", 12);
        QTest::newRow("1000 scans") << scans + "\xFF\xD9" << int(LoadProblem::PictureTooManyScans);
        QTest::newRow("parent folder") << std::string() << int(LoadProblem::PictureOffMedium);
        QTest::newRow("link") << std::string() << int(LoadProblem::PictureOffMedium);
    }

    // Every code of the hostile GIF counts what it stands for, as its table
    // grows and its codes widen: each string one longer than the last, up to
    // 4091 pixels, then ten more of those.
    void countsThePixelsThatGifCodesStandFor() {
        QCOMPARE(gifWork(gifRepeatingLongestCode(10)).decodedPixels,
                 std::uint64_t(4091 * 4092 / 2 + 10 * 4091));
    }

    // Ancillary chunks are left out before decoding, but for the transparency;
    // the same in an icon.
    void decodesPngPicturesWithoutTheirTexts() {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixelColor(0, 0, Qt::red);
        image.setPixelColor(1, 0, Qt::transparent);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.convertToFormat(QImage::Format_Indexed8).save(&buffer, "PNG"));
        const std::string texts = pngWithCompressedTexts(
            png.toStdString(), qCompress(QByteArray(1 << 20, 'a')).mid(4).toStdString(), 3);
        TemporaryFolder medium;
        writeBytes(medium / "texts.png", texts);
        writeBytes(medium / "texts.ico", iconHolding(texts));
        PictureStore pictures(medium.path());
        for (const char *name : {"texts.png", "texts.ico"}) {
            const auto picture = pictures.picture((medium / name).string());
            QVERIFY2(picture, name);
            const QImage shown = picture->toImage();
            QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::red));
            QCOMPARE(shown.pixelColor(1, 0).alpha(), 0);
        }
    }

    void refuses() {
        QFETCH(std::string, content);
        QFETCH(int, problem);
        TemporaryFolder folder;
        const std::filesystem::path medium = folder / "medium";
        std::filesystem::create_directory(medium);
        QImage outside(4, 4, QImage::Format_RGB32);
        outside.fill(Qt::red);
        QVERIFY(outside.save(QString::fromStdString((folder / "outside.png").string())));
        std::filesystem::path path = medium / "picture.png";
        const QByteArrayView tag(QTest::currentDataTag());
        if (tag == "folder")
            std::filesystem::create_directory(path);
        else if (tag == "pipe")
            QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
        else if (tag == "link")
            std::filesystem::create_symlink(folder / "outside.png", path);
        else if (tag == "parent folder")
            path = medium / ".." / "outside.png";
        else
            writeBytes(path, content);
        if (problem == int(LoadProblem::PictureTooLarge))
            std::filesystem::resize_file(path, (64u << 20) + 1);
        const auto picture = PictureStore(medium).picture(path.string());
        QVERIFY(!picture);
        QCOMPARE(int(picture.error().problem), problem);
        QCOMPARE(picture.error().file, path.string());
    }
};

QTEST_MAIN(HostilePictureTest)
#include "HostilePictureTest.moc"
