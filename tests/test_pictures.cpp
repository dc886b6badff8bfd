#include "app/pictures.h"
#include "test_support.h"

#include <QSet>

namespace {

QSet<QRgb> ColoursOf(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void iconIs32By32InSixteenColours()
    {
        const QImage icon = ProgramIcon();
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.format(), QImage::Format_Indexed8);
        QCOMPARE(icon.colorCount(), 16);
        QVERIFY(ColoursOf(icon).size() <= 16);
        // Graph paper: a green grid, dark green axes, red diagonals, black letters.
        const QSet<QRgb> used = ColoursOf(icon);
        for (const QRgb colour : {qRgb(0, 255, 0), qRgb(0, 128, 0), qRgb(255, 0, 0), qRgb(0, 0, 0)})
            QVERIFY(used.contains(colour));
    }

    void bannerIsGraphPaper()
    {
        const QImage banner = SplashBanner();
        QCOMPARE(banner.size(), QSize(464, 150));
        QCOMPARE(banner.pixel(3, 3), qRgb(255, 255, 255));
        QVERIFY(ColoursOf(banner).size() > 16);
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
};

CURVISTA_TEST_MAIN(TestPictures)
#include "test_pictures.moc"
