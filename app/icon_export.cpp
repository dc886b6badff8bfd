// Build tool: writes the program's icon, from its one drawing, as the files a
// desktop needs. Usage: curvista_icon_export [--size N] FILE
// FILE.svg is the scalable drawing; FILE.png with --size N is the drawing
// painted at N x N; FILE.ico holds the drawing painted at every size Windows
// asks for, 16 to 256; without --size, FILE.png is the program's own 32 x 32
// icon in 16 colors.
#include "app/pictures.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <array>
#include <cstdio>

namespace {

// The drawing addresses pixels by index, as an aliased painter does; an
// antialiased one must be moved by half a pixel to keep its lines sharp.
void PaintScaled(QPainter &painter, qreal scale)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, 32 * scale, 32 * scale), Qt::white);
    painter.scale(scale, scale);
    painter.translate(0.5, 0.5);
    PaintProgramIcon(painter);
}

bool WriteSvg(const QString &file)
{
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle(QStringLiteral("Curvista"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    PaintScaled(painter, 1);
    return painter.end();
}

QImage PaintedIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PaintScaled(painter, size / 32.0);
    painter.end();
    return image;
}

// An icon file of PNG-compressed images, as Windows reads them since Vista.
// Qt's ICO writer stores a single image, so the directory is written here.
bool WriteIco(const QString &file)
{
    constexpr std::array sizes{16, 20, 24, 32, 40, 48, 64, 128, 256};
    constexpr quint32 headerBytes = 6;
    constexpr quint32 entryBytes = 16;
    QList<QByteArray> pngs;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!PaintedIcon(size).save(&buffer, "PNG"))
            return false;
        pngs.append(png);
    }

    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QDataStream stream(&out);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = headerBytes + entryBytes * quint32(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        // A dimension of 256 does not fit a byte: the format writes it as 0.
        const auto dimension = quint8(sizes[i] % 256);
        stream << dimension << dimension << quint8(0) << quint8(0) << quint16(1) << quint16(32)
               << quint32(pngs[qsizetype(i)].size()) << offset;
        offset += quint32(pngs[qsizetype(i)].size());
    }
    for (const QByteArray &png : pngs)
        stream.writeRawData(png.constData(), int(png.size()));
    return stream.status() == QDataStream::Ok && out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Paint the icon at N x N pixels."),
                                        QStringLiteral("N"));
    parser.addOption(sizeOption);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The file to write: .svg, .png or .ico."));
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QString file = parser.positionalArguments().front();

    bool written = false;
    if (file.endsWith(QLatin1String(".svg"))) {
        written = WriteSvg(file);
    } else if (file.endsWith(QLatin1String(".ico"))) {
        written = WriteIco(file);
    } else if (parser.isSet(sizeOption)) {
        bool valid = false;
        const int size = parser.value(sizeOption).toInt(&valid);
        written = valid && size > 0 && PaintedIcon(size).save(file);
    } else {
        written = ProgramIcon().save(file);
    }
    if (!written) {
        std::fprintf(stderr, "curvista_icon_export: cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
