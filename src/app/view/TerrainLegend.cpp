#include "TerrainLegend.h"

#include <QGridLayout>
#include <QLabel>

namespace arvenna {

namespace {
QString swatchStyle(const QColor& colour)
{
    return QStringLiteral("QLabel { background: %1; border: 1px solid black; }").arg(colour.name());
}
} // namespace

const QStringList& TerrainLegend::captions()
{
    static const QStringList texts{
        QStringLiteral("Forest (8)"),      QStringLiteral("Ocean (3)"),      QStringLiteral("Plain (7)"),
        QStringLiteral("Desert (8)"),      QStringLiteral("Mountain (10)"),  QStringLiteral("Swamp (14)"),
        QStringLiteral("ClaudLands (7)"),  QStringLiteral("UnderGround (7)"), QStringLiteral("Sea Lane (2)"),
        QStringLiteral("Hades(7)"),        QStringLiteral("Faery (7)"),
        QStringLiteral("Undiscovered (Days to travel)"),
    };
    return texts;
}

TerrainLegend::TerrainLegend(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TerrainLegend"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const QStringList& texts = captions();
    for (int i = 0; i < texts.size(); ++i) {
        auto* swatch = new QLabel(this);
        swatch->setFixedSize(14, 14);
        swatch->setObjectName(QStringLiteral("LegendSwatch"));
        // The last swatch stands for undiscovered provinces: always light grey.
        swatch->setStyleSheet(swatchStyle(i == texts.size() - 1 ? QColor(192, 192, 192) : QColor(Qt::black)));
        auto* label = new QLabel(texts.at(i), this);
        label->setObjectName(QStringLiteral("LegendLabel"));
        const int row = i / 2;
        const int column = (i % 2) * 2;
        grid->addWidget(swatch, row, column);
        grid->addWidget(label, row, column + 1);
        if (i < texts.size() - 1)
            swatches_ << swatch;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void TerrainLegend::setSwatchColours(const QList<QColor>& colours)
{
    for (int i = 0; i < swatches_.size(); ++i) {
        const QColor colour = colours.value(i, QColor(Qt::black));
        swatches_.at(i)->setStyleSheet(swatchStyle(colour));
        swatches_.at(i)->setProperty("colour", colour);
    }
}

QList<QColor> TerrainLegend::swatchColours() const
{
    QList<QColor> colours;
    for (const QLabel* swatch : swatches_)
        colours << swatch->property("colour").value<QColor>();
    return colours;
}

} // namespace arvenna
