#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QToolButton;

namespace arvenna {

// One option of a window: a skull, a check box and the option's label. The
// skull (green when on, red when off; "On" or "Off" when its picture is
// missing) and the check box both switch it, so the state never rests on
// colour alone. Its parts carry the names "ImgParseOptions", "Check1" and
// "LblParseOptions" with the option's position in "index".
class OptionSwitch : public QWidget {
    Q_OBJECT
public:
    OptionSwitch(const QString& programDirectory, int index, const QString& label, QWidget* parent);

    bool isOn() const;
    void setOn(bool on);

private:
    void showSkull();

    QString programDirectory_;
    QToolButton* image_;
    QCheckBox* check_;
    QLabel* label_;
};

} // namespace arvenna
