#pragma once

#include <QDialog>
#include <array>

class QLabel;

namespace arvenna {

// The small wait window shown while a map is loaded or refreshed. It has no
// commands; whoever shows it closes it.
class ProgressWarning : public QDialog {
    Q_OBJECT
public:
    ProgressWarning(const QString& programDirectory, QWidget* owner);

    // Both wait labels, e.g. "Refreshing, Please Wait".
    void setWaitText(const QString& text);

    std::array<QLabel*, 2> LblWait;
};

} // namespace arvenna
