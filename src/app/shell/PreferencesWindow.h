#pragma once

#include <QDialog>

class QFileSystemModel;
class QLineEdit;
class QTreeView;

namespace arvenna {

// Chooses the reports directory: a directory list and OK.
class PreferencesWindow : public QDialog {
    Q_OBJECT
public:
    PreferencesWindow(const QString& repsDirectory, const QString& programDirectory, QWidget* owner);

    QString chosenDirectory() const;
    void setChosenDirectory(const QString& directory);

private:
    QFileSystemModel* model_;
    QTreeView* Dir1_;
    QLineEdit* path_;
};

} // namespace arvenna
