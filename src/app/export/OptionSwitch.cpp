#include "OptionSwitch.h"

#include "shell/Pictures.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace arvenna {

OptionSwitch::OptionSwitch(const QString& programDirectory, int index, const QString& label, QWidget* parent)
    : QWidget(parent), programDirectory_(programDirectory), image_(new QToolButton(this)),
      check_(new QCheckBox(this)), label_(new QLabel(label, this))
{
    image_->setObjectName(QStringLiteral("ImgParseOptions"));
    check_->setObjectName(QStringLiteral("Check1"));
    label_->setObjectName(QStringLiteral("LblParseOptions"));
    for (QWidget* part : {static_cast<QWidget*>(image_), static_cast<QWidget*>(check_), static_cast<QWidget*>(label_)})
        part->setProperty("index", index);
    image_->setIconSize(QSize(24, 24));
    image_->setAutoRaise(true);
    label_->setBuddy(check_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(image_);
    layout->addWidget(check_);
    layout->addWidget(label_, 1);
    connect(image_, &QToolButton::clicked, check_, &QCheckBox::toggle);
    connect(check_, &QCheckBox::toggled, this, &OptionSwitch::showSkull);
    setOn(true);
}

bool OptionSwitch::isOn() const
{
    return check_->isChecked();
}

void OptionSwitch::setOn(bool on)
{
    check_->setChecked(on);
    showSkull();
}

void OptionSwitch::showSkull()
{
    const QString picture = isOn() ? QStringLiteral("greenSkull.ico") : QStringLiteral("redSkull.ico");
    const QIcon skull = programIcon(programDirectory_, picture);
    image_->setIcon(skull);
    image_->setText(isOn() ? QStringLiteral("On") : QStringLiteral("Off"));
    image_->setToolButtonStyle(skull.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    image_->setProperty("picture", picture);
}

} // namespace arvenna
