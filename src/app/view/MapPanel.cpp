#include "MapPanel.h"

#include "MapWindowWidget.h"
#include "shell/Pictures.h"
#include "view/MapView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace arvenna {

namespace {
QToolButton* scrollButton(const QString& programDirectory, const QString& picture, const QString& tip,
                          const QString& name, int index, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setProperty("index", index);
    button->setIcon(programIcon(programDirectory, picture));
    button->setIconSize(QSize(20, 20));
    button->setToolTip(tip);
    button->setAutoRepeat(true);
    return button;
}

QLineEdit* shownValue(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFixedWidth(44);
    field->setAlignment(Qt::AlignRight);
    return field;
}
} // namespace

MapPanel::MapPanel(const MapPictures& pictures, const QString& programDirectory, QWidget* parent)
    : QWidget(parent)
{
    map = new MapWindowWidget(pictures, this);
    Command1 = {scrollButton(programDirectory, QStringLiteral("setaes.bmp"), QStringLiteral("One column left"),
                             QStringLiteral("Command1"), 0, this),
                scrollButton(programDirectory, QStringLiteral("setadi.bmp"), QStringLiteral("One column right"),
                             QStringLiteral("Command1"), 1, this)};
    Command2 = {scrollButton(programDirectory, QStringLiteral("setaup.bmp"), QStringLiteral("One row up"),
                             QStringLiteral("Command2"), 0, this),
                scrollButton(programDirectory, QStringLiteral("setadn.bmp"), QStringLiteral("One row down"),
                             QStringLiteral("Command2"), 1, this)};
    Text1 = {shownValue(QStringLiteral("Text1"), this), shownValue(QStringLiteral("Text1"), this)};
    Text1[0]->setProperty("index", 0);
    Text1[1]->setProperty("index", 1);
    Text3 = shownValue(QStringLiteral("Text3"), this);
    Text2 = shownValue(QStringLiteral("Text2"), this);

    auto* controls = new QHBoxLayout;
    controls->addWidget(Command1[0]);
    controls->addWidget(Command1[1]);
    controls->addWidget(Command2[0]);
    controls->addWidget(Command2[1]);
    controls->addSpacing(12);
    controls->addWidget(new QLabel(QStringLiteral("Column"), this));
    controls->addWidget(Text1[0]);
    controls->addWidget(new QLabel(QStringLiteral("Row"), this));
    controls->addWidget(Text1[1]);
    controls->addSpacing(12);
    controls->addWidget(new QLabel(QStringLiteral("Cells"), this));
    controls->addWidget(Text3);
    controls->addWidget(new QLabel(QStringLiteral("x"), this));
    controls->addWidget(Text2);
    controls->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(map);
    layout->addLayout(controls);
}

void MapPanel::showView(const MapView& view)
{
    const bool open = view.MapOpen;
    Text1[0]->setText(open ? view.originText(0) : QString());
    Text1[1]->setText(open ? view.originText(1) : QString());
    Text3->setText(open ? view.zoomText() : QString());
    Text2->setText(open ? QString::number(view.YCells) : QString());
    for (QToolButton* button : {Command1[0], Command1[1], Command2[0], Command2[1]})
        button->setEnabled(open);
    map->showRouteMarks(view.route);
    map->setPlaceholder(open ? QString() : QStringLiteral("Choose a game from the Database menu to open its map."));
}

} // namespace arvenna
