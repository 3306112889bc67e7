#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QToolButton;

namespace arvenna {

// One option of a window, switched by clicking its skull: a green skull
// when on, a red one when off. Its parts carry the names "ImgParseOptions",
// "Check1" and "LblParseOptions" with the option's position in "index".
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
