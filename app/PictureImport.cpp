#include "PictureImport.h"

#include "CompleteSolver.h"
#include "JobRunner.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace zd {

namespace {

constexpr int longestImportSide = 100;
constexpr int largestImportSide = 1000;
constexpr int checkDelayMs = 150;

} // namespace

std::vector<std::string> pictureOfImage(const QImage &image, int columns, int rows,
                                        int thresholdPercent)
{
    if (image.isNull() || columns <= 0 || rows <= 0)
        return {};
    // Transparent pixels count as white, as the image shows on a page.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    const QImage scaled
        = flat.scaled(columns, rows, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int threshold = std::clamp(thresholdPercent, 0, 100) * 255 / 100;
    std::vector<std::string> picture(size_t(rows), std::string(size_t(columns), '.'));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            if (qGray(scaled.pixel(c, r)) < threshold)
                picture[size_t(r)][size_t(c)] = '#';
    return picture;
}

QSize defaultImportSize(QSize imageSize)
{
    const int longest = std::max(imageSize.width(), imageSize.height());
    if (longest <= longestImportSide)
        return imageSize;
    const auto shrink = [longest](int side) {
        return std::max(1, side * longestImportSide / longest);
    };
    return { shrink(imageSize.width()), shrink(imageSize.height()) };
}

PictureImportDialog::PictureImportDialog(const QImage &image, QWidget *parent)
    : QDialog(parent)
    , source(image)
    , columnsSpin(new QSpinBox(this))
    , rowsSpin(new QSpinBox(this))
    , thresholdSlider(new QSlider(Qt::Horizontal, this))
    , preview(new QLabel(this))
    , checkLabel(new QLabel(this))
    , checker(new JobRunner(this))
{
    setWindowTitle(tr("Import image"));
    columnsSpin->setObjectName(QStringLiteral("importColumnsSpin"));
    rowsSpin->setObjectName(QStringLiteral("importRowsSpin"));
    thresholdSlider->setObjectName(QStringLiteral("thresholdSlider"));
    checkLabel->setObjectName(QStringLiteral("importCheckLabel"));
    checker->setObjectName(QStringLiteral("importChecker"));
    const QSize size = defaultImportSize(image.size());
    for (QSpinBox *spin : { columnsSpin, rowsSpin })
        spin->setRange(1, largestImportSide);
    columnsSpin->setValue(size.width());
    rowsSpin->setValue(size.height());
    thresholdSlider->setRange(0, 100);
    thresholdSlider->setValue(50);

    auto *form = new QFormLayout;
    form->addRow(tr("Columns:"), columnsSpin);
    form->addRow(tr("Rows:"), rowsSpin);
    form->addRow(tr("Darker than (%):"), thresholdSlider);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(preview);
    layout->addWidget(checkLabel);
    layout->addWidget(buttons);
    for (QSpinBox *spin : { columnsSpin, rowsSpin })
        connect(spin, &QSpinBox::valueChanged, this, &PictureImportDialog::showPreview);
    connect(thresholdSlider, &QSlider::valueChanged, this, &PictureImportDialog::showPreview);
    showPreview();
}

std::vector<std::string> PictureImportDialog::picture() const
{
    return pictureOfImage(source, columnsSpin->value(), rowsSpin->value(),
                          thresholdSlider->value());
}

void PictureImportDialog::showPreview()
{
    const std::vector<std::string> cells = picture();
    QImage shown(columnsSpin->value(), rowsSpin->value(), QImage::Format_RGB32);
    shown.fill(Qt::white);
    for (int r = 0; r < shown.height(); ++r)
        for (int c = 0; c < shown.width(); ++c)
            if (cells[size_t(r)][size_t(c)] == '#')
                shown.setPixel(c, r, qRgb(0, 0, 0));
    const int side = std::max(shown.width(), shown.height());
    const int scale = std::max(1, 300 / side);
    preview->setPixmap(QPixmap::fromImage(shown.scaled(shown.size() * scale)));

    checkLabel->setText(tr("Checking.."));
    checker->request(
        [this,
         clues = PuzzleClues::fromPicture(cells)](SolveControl &control) -> JobRunner::Finish {
            SolveOptions options;
            options.cancel = &control.cancel;
            const SolveResult result = solveCompletely(clues, options);
            const QString text = result.verdict == Verdict::Unique
                ? tr("Unique (grade %1)").arg(QString::fromLatin1(gradeName(result.grade)))
                : result.verdict == Verdict::Multiple ? tr("Several solutions")
                                                      : tr("Not decided");
            return [this, text] {
                checkLabel->setText(text);
            };
        },
        checkDelayMs);
}

} // namespace zd
