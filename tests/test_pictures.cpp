#include "app/pictures.h"
#include "app/translations.h"
#include "platform/core/fonts.h"
#include "widget_test_support.h"

#include <QFontMetricsF>
#include <QSet>

using PictureSource = QImage (*)(qreal);
Q_DECLARE_METATYPE(PictureSource)

namespace {

QSet<QRgb> ColorsOf(const QImage &image)
{
    QSet<QRgb> colors;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colors.insert(image.pixel(x, y));
    return colors;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void iconIs32By32InSixteenColors()
    {
        const QImage icon = ProgramIcon();
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.format(), QImage::Format_Indexed8);
        QCOMPARE(icon.colorCount(), 16);
        QVERIFY(ColorsOf(icon).size() <= 16);
        // Graph paper: a green grid, dark green axes, red diagonals, black letters.
        const QSet<QRgb> used = ColorsOf(icon);
        for (const QRgb color : {qRgb(0, 255, 0), qRgb(0, 128, 0), qRgb(255, 0, 0), qRgb(0, 0, 0)})
            QVERIFY(used.contains(color));
    }

    void bannerIsGraphPaper()
    {
        const QImage banner = SplashBanner();
        QCOMPARE(banner.size(), QSize(464, 150));
        QCOMPARE(banner.pixel(3, 3), qRgb(255, 255, 255));
        QVERIFY(ColorsOf(banner).size() > 16);
    }

    void eraserPictureIsTransparentAroundItsDrawing()
    {
        const QImage eraser = EraserPicture();
        QCOMPARE(eraser.size(), QSize(100, 23));
        QVERIFY(eraser.hasAlphaChannel());
        QCOMPARE(qAlpha(eraser.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(eraser.pixel(99, 22)), 0);
        int blackText = 0;
        for (int y = 0; y < eraser.height(); ++y)
            for (int x = 30; x < eraser.width(); ++x)
                blackText += qAlpha(eraser.pixel(x, y)) > 128 && qGray(eraser.pixel(x, y)) < 100 ? 1 : 0;
        QVERIFY2(blackText > 30, qPrintable(QString::number(blackText)));
    }

    void eraserWordsFitBesideTheEraser_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::newRow("Thai") << QLocale::Thai;
        QTest::newRow("English") << QLocale::English;
    }
    // The words stand in the 70 pixels right of the eraser, in the design's font.
    void eraserWordsFitBesideTheEraser()
    {
        QFETCH(QLocale::Language, language);
        Translations translations(language);
        translations.install();
        QVERIFY(QFontMetricsF(platform::DesignFont()).horizontalAdvance(EraserWords()) <= 70);
    }

    void picturesAreDrawnAtTheRatioAskedFor_data()
    {
        QTest::addColumn<PictureSource>("picture");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("icon at 1.25") << PictureSource(ProgramIcon) << 1.25 << QSize(40, 40);
        QTest::newRow("icon at 2") << PictureSource(ProgramIcon) << 2.0 << QSize(64, 64);
        QTest::newRow("banner at 1.25") << PictureSource(SplashBanner) << 1.25 << QSize(580, 188);
        QTest::newRow("banner at 1.5") << PictureSource(SplashBanner) << 1.5 << QSize(696, 225);
        QTest::newRow("banner at 2") << PictureSource(SplashBanner) << 2.0 << QSize(928, 300);
        QTest::newRow("eraser at 1.5") << PictureSource(EraserPicture) << 1.5 << QSize(150, 35);
        QTest::newRow("eraser at 2") << PictureSource(EraserPicture) << 2.0 << QSize(200, 46);
    }
    void picturesAreDrawnAtTheRatioAskedFor()
    {
        QFETCH(PictureSource, picture);
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QImage sharp = picture(ratio);
        QCOMPARE(sharp.size(), pixels);
        QCOMPARE(sharp.devicePixelRatio(), ratio);
        // The icon keeps to its sixteen colors at every ratio.
        QCOMPARE(sharp.format(), picture(1.0).format());
        QCOMPARE(ColorsOf(sharp).size() <= 16, ColorsOf(picture(1.0)).size() <= 16);
    }
};

CURVISTA_TEST_MAIN(TestPictures)
#include "test_pictures.moc"
