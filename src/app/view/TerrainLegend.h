#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class QLabel;

namespace arvenna {

// The colour legend of the terrains beside the map: a swatch and a caption
// with the days to cross on foot.
class TerrainLegend : public QWidget {
    Q_OBJECT
public:
    explicit TerrainLegend(QWidget* parent = nullptr);

    // The colours of the eleven terrain swatches, in legend order.
    void setSwatchColours(const QList<QColor>& colours);
    QList<QColor> swatchColours() const;

    static const QStringList& captions();

private:
    QList<QLabel*> swatches_;
};

} // namespace arvenna
