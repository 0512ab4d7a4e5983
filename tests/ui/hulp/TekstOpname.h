#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QStringList>
#include <QTextItem>

// A paint device that keeps only the texts drawn on it, in order: what a page shows, read
// back from whatever painted it (a print preview's page, say).
class TekstOpname : public QPaintDevice
{
public:
    QStringList Teksten;

    [[nodiscard]] QPaintEngine* paintEngine() const override { return &m_motor; }

protected:
    [[nodiscard]] int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight: return 10000;
        case PdmWidthMM:
        case PdmHeightMM: return 2000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return 1 << 24;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    class Motor : public QPaintEngine
    {
    public:
        explicit Motor(QStringList& teksten) : QPaintEngine(AllFeatures), m_teksten(teksten) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        // The engine's own polygon drawing falls back on the other overload: one must end it.
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF&, const QTextItem& tekst) override { m_teksten.append(tekst.text()); }
        [[nodiscard]] Type type() const override { return User; }

    private:
        QStringList& m_teksten;
    };
    mutable Motor m_motor{Teksten};
};
