#pragma once

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTest>

// Reads back the documents the program writes: SVG drawn by QtSvg, PDF pages
// by poppler's pdftoppm and pdftotext. The Windows build is tested where
// neither exists: its tests check what they can and say what they skip.
#if __has_include(<QSvgRenderer>)
#include <QSvgRenderer>
#define CURVISTA_SVG_RENDERER 1
#endif

inline bool CanReadPdf()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

#ifdef CURVISTA_SVG_RENDERER
#define SKIP_UNLESS_SVG_RENDERS()
#else
#define SKIP_UNLESS_SVG_RENDERS() QSKIP("QtSvg renders the SVG back where it is installed (Linux)")
#endif

#define SKIP_UNLESS_PDF_READS()                                                                                        \
    if (!CanReadPdf())                                                                                                 \
    QSKIP("pdftoppm and pdftotext read the PDF back where poppler is installed (Linux)")

// The SVG file drawn on white at the given size; null where it cannot be.
inline QImage SvgRendering(const QString &path, QSize size)
{
#ifdef CURVISTA_SVG_RENDERER
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
#else
    Q_UNUSED(path);
    Q_UNUSED(size);
    return {};
#endif
}

// The PDF's first page at the resolution; pages are written as prefix-N.png.
inline QImage RenderPdfPage(const QString &pdf, const QString &prefix, int dotsPerInch = 40)
{
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-png"), pdf, prefix});
    return QImage(prefix + QStringLiteral("-1.png"));
}

// The PDF's text as pdftotext reads it, pages separated by form feeds.
inline QString PdfTextOf(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}
