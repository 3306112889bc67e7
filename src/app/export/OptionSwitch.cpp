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
    check_->hide(); // the skull shows the state
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(image_);
    layout->addWidget(label_, 1);
    connect(image_, &QToolButton::clicked, this, [this] { setOn(!isOn()); });
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
    image_->setIcon(programIcon(programDirectory_, isOn() ? QStringLiteral("greenSkull.ico") : QStringLiteral("redSkull.ico")));
    image_->setProperty("picture", isOn() ? QStringLiteral("greenSkull.ico") : QStringLiteral("redSkull.ico"));
}

} // namespace arvenna
