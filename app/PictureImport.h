#pragma once

#include <QDialog>
#include <QImage>
#include <string>
#include <vector>

class QLabel;
class QSlider;
class QSpinBox;

namespace zd {

class JobRunner;

// The picture of an image, one cell a pixel of the image scaled to
// `columns` x `rows`: a pixel darker than `thresholdPercent` of white is a
// filled cell. Rows of '#' and '.'.
std::vector<std::string> pictureOfImage(const QImage &image, int columns, int rows,
                                        int thresholdPercent);
// The size in cells an image is imported at by default: its pixels when at
// most 100 a side, else 100 on the long side with its proportions.
QSize defaultImportSize(QSize imageSize);

// The dialog of Import image: the size in cells (importColumnsSpin,
// importRowsSpin), the threshold (thresholdSlider), a preview of the picture
// and, checked in the background as they move, whether its clues have one
// solution (importCheckLabel).
class PictureImportDialog : public QDialog
{
    Q_OBJECT

public:
    PictureImportDialog(const QImage &image, QWidget *parent = nullptr);

    std::vector<std::string> picture() const;

private:
    // The picture at the chosen size and threshold, and whether its clues
    // have one solution (checked on a worker).
    void showPreview();

    QImage source;
    QSpinBox *columnsSpin;
    QSpinBox *rowsSpin;
    QSlider *thresholdSlider;
    QLabel *preview;
    QLabel *checkLabel;
    JobRunner *checker;
};

} // namespace zd
