#pragma once

#include <QTabWidget>

class QLineEdit;
class QListWidget;

// The information tab: the selected province's details list and its region.
class InfoPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* parent = nullptr);

    QListWidget* LstShowDet;
    QLineEdit* Text4;
};
