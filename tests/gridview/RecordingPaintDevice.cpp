#include "RecordingPaintDevice.h"

#include <QPaintEngine>
#include <QTextItem>

class RecordingPaintEngine : public QPaintEngine
{
public:
    explicit RecordingPaintEngine(RecordingPaintDevice &target)
        : QPaintEngine(QPaintEngine::AllFeatures)
        , device(target)
    { }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState &paintState) override
    {
        if (paintState.state() & QPaintEngine::DirtyBrush)
            brushStyle = paintState.brush().style();
        if (paintState.state() & QPaintEngine::DirtyPen)
            penColour = paintState.pen().color();
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override
    {
        ++device.recording.drawCalls;
    }

    void drawLines(const QLine *lines, int count) override
    {
        ++device.recording.drawCalls;
        device.recording.lines.insert(device.recording.lines.end(), lines, lines + count);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        ++device.recording.drawCalls;
        for (int i = 0; i < count; ++i)
            device.recording.lines.push_back(lines[i].toLine());
    }
    void drawRects(const QRect *rects, int count) override
    {
        ++device.recording.drawCalls;
        device.recording.rects.insert(device.recording.rects.end(), rects, rects + count);
        device.recording.rectFilled.insert(device.recording.rectFilled.end(), count,
                                           brushStyle != Qt::NoBrush);
    }
    void drawRects(const QRectF *rects, int count) override
    {
        ++device.recording.drawCalls;
        for (int i = 0; i < count; ++i) {
            device.recording.rects.push_back(rects[i].toRect());
            device.recording.rectFilled.push_back(brushStyle != Qt::NoBrush);
        }
    }
    void drawTextItem(const QPointF &point, const QTextItem &item) override
    {
        ++device.recording.drawCalls;
        device.recording.texts.push_back({ point, item.text(), item.font(), penColour });
    }

private:
    RecordingPaintDevice &device;
    Qt::BrushStyle brushStyle = Qt::NoBrush;
    QColor penColour = Qt::black;
};

RecordingPaintDevice::RecordingPaintDevice(QSize size)
    : deviceSize(size)
    , engine(std::make_unique<RecordingPaintEngine>(*this))
{ }

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine *RecordingPaintDevice::paintEngine() const
{
    return engine.get();
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return deviceSize.width();
    case PdmHeight:
        return deviceSize.height();
    case PdmWidthMM:
        return deviceSize.width() * 254 / 960;
    case PdmHeightMM:
        return deviceSize.height() * 254 / 960;
    case PdmNumColors:
        return 256;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}
