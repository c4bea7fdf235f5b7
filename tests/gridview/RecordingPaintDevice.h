#pragma once

#include <QColor>
#include <QFont>
#include <QLine>
#include <QPaintDevice>
#include <QPointF>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

class RecordingPaintEngine;

// One text as a painter drew it: its base-line point, its characters, font
// and the pen's colour.
struct RecordedText
{
    QPointF baseLine;
    QString text;
    QFont font;
    QColor colour;
};

// What a painter asked a device to draw: lines, rectangles and texts in call
// order, however they were batched.
struct Recording
{
    std::vector<QLine> lines;
    std::vector<QRect> rects;
    // Rectangles drawn with a brush, so that a filled square differs from an outline.
    std::vector<bool> rectFilled;
    std::vector<RecordedText> texts;
    int drawCalls = 0;
};

// A paint device that draws nothing and records what a painter asked it to
// draw. Its resolution is 96 dots per inch, like a screen.
class RecordingPaintDevice : public QPaintDevice
{
public:
    explicit RecordingPaintDevice(QSize size = QSize(4096, 4096));
    ~RecordingPaintDevice() override;

    QPaintEngine *paintEngine() const override;

    Recording recording;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize deviceSize;
    std::unique_ptr<RecordingPaintEngine> engine;
};
