#pragma once

#include <QDialog>

namespace arvenna {

// "About": the program's title, version and picture. Not modal.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(const QString& programDirectory, QWidget* owner);
};

} // namespace arvenna
