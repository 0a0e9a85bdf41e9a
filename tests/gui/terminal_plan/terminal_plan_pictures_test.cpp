// What the terminal-plan pictures show, checked on the generator's drawing commands: a picture carries
// only what a label on the device would, never the name it is stored under.
#include <gtest/gtest.h>

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPicture>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

#include "draw_common.h"
#include "draw_terminal_plan.h"

namespace {

// A paint device that keeps the texts drawn on it and ignores everything else.
class TextEngine : public QPaintEngine {
public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return User; }
    QStringList texts;
};

class TextDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
            case PdmHeight: return 1000;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return 96;
            case PdmDepth: return 32;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
            default: return 0;
        }
    }
};

TEST(TerminalPlanPictures, ShowNoResourceNames) {
    QTemporaryDir folder;
    drawing::SetOutputFolder(folder.path());
    std::map<QString, QStringList> texts;
    drawing::SetObserver([&](const QString& name, const QPicture& commands) {
        TextDevice device;
        {
            QPainter painter(&device);
            QPicture replay = commands;
            replay.play(&painter);
        }
        texts[name] = device.engine.texts;
    });
    DrawTerminalPlanBitmaps();
    drawing::SetObserver({});

    ASSERT_GT(texts.size(), 50u);
    EXPECT_FALSE(texts["MV_NEX"].isEmpty());  // the label keeps its own writing
    const QRegularExpression resourceName("\\b(TYP|KL|MV|BV|SL|PUR|LAV)_[A-Z0-9_]+\\b");
    for (const auto& [name, drawn] : texts) {
        for (const QString& text : drawn)
            EXPECT_FALSE(resourceName.match(text).hasMatch()) << name.toStdString() << ": " << text.toStdString();
    }
}

}  // namespace
