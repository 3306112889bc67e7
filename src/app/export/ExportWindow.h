#pragma once

#include "export/ExportSettings.h"

#include <QDialog>
#include <array>

class QAction;
class QLabel;
class QLineEdit;

namespace arvenna {

class OptionSwitch;

// "Export Preferences": the file name, the start column and row with their
// valid ranges, the four options and the menu "Options". The commands leave
// it as signals.
class ExportWindow : public QDialog {
    Q_OBJECT
public:
    ExportWindow(const QString& programDirectory, QWidget* owner = nullptr);

    QString fileName() const;
    QString columnText() const;
    QString rowText() const;
    std::array<bool, 4> options() const;

    // The start position and the ranges of the open map; typing enables "Save Settings" again.
    void showStart(const QString& column, const QString& row);
    void showRanges(const QString& columns, const QString& rows);
    void setSaveEnabled(bool enabled);

signals:
    void exportChosen();
    void saveSettingsChosen();

private:
    QLineEdit* FileName_;
    QLineEdit* TxtHorzCoord_;
    QLineEdit* TxtVertCoord_;
    QLabel* LblValidHorzCoord_;
    QLabel* LblValidVertCoord_;
    std::array<OptionSwitch*, 4> options_{};
    QAction* savset_;
};

} // namespace arvenna
