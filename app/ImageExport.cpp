#include "ImageExport.h"

#include "AtomicFileWrite.h"
#include "PuzzleDrawing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

namespace zd {

namespace {

// Larger pictures are refused rather than failing half-way: 16384 pixels a
// side, and 2^28 pixels (1 GiB of image memory) in all.
constexpr int largestSide = 16384;
constexpr qint64 largestArea = qint64(1) << 28;

QString tr(const char *text)
{
    return QCoreApplication::translate("ImageExport", text);
}

bool writePng(const PuzzleDrawing &drawing, int cellSize, QIODevice &device, QString &error)
{
    QImage image(drawing.sizeAt(cellSize), QImage::Format_RGB32);
    if (image.isNull()) {
        error = tr("Not enough memory for an image of that size");
        return false;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawing.paintAt(painter, cellSize);
    }
    QImageWriter writer(&device, "png");
    if (!writer.write(image)) {
        error = writer.errorString();
        return false;
    }
    return true;
}

bool writeSvg(const PuzzleDrawing &drawing, int cellSize, QIODevice &device, QString &error)
{
    const QSize size = drawing.sizeAt(cellSize);
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(drawing.title);
    QPainter painter;
    if (!painter.begin(&generator)) {
        error = tr("The SVG image could not be started");
        return false;
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    drawing.paintAt(painter, cellSize);
    return painter.end();
}

} // namespace

QString exportGridImage(const PuzzleDrawing &drawing, int cellSize, const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const bool png = suffix == QLatin1String("png");
    if (!png && suffix != QLatin1String("svg"))
        return tr("Images are written as .png or .svg files");
    const QSize size = drawing.sizeAt(cellSize);
    if (png
        && (size.width() > largestSide || size.height() > largestSide
            || qint64(size.width()) * size.height() > largestArea))
        return tr("An image of %1 x %2 pixels is too large; choose a smaller cell size")
            .arg(size.width())
            .arg(size.height());
    return writeFileAtomically(fileName, [&](QIODevice &device, QString &error) {
        return png ? writePng(drawing, cellSize, device, error)
                   : writeSvg(drawing, cellSize, device, error);
    });
}

} // namespace zd
