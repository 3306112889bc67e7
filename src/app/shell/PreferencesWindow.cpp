#include "PreferencesWindow.h"

#include "Pictures.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace arvenna {

PreferencesWindow::PreferencesWindow(const QString& repsDirectory, const QString& programDirectory, QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("Preferences"));
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowIcon(programIcon(programDirectory, kWindowIconPicture));

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setRootPath(QDir::rootPath());

    Dir1_ = new QTreeView(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    Dir1_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        Dir1_->hideColumn(column);
    Dir1_->header()->hide();

    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("DirPath"));
    path_->setReadOnly(true);
    connect(Dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { path_->setText(model_->filePath(current)); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("mnok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Reports directory:"), this));
    layout->addWidget(path_);
    layout->addWidget(Dir1_, 1);
    layout->addWidget(buttons);
    resize(420, 460);
    setChosenDirectory(repsDirectory);
}

QString PreferencesWindow::chosenDirectory() const
{
    return path_->text();
}

void PreferencesWindow::setChosenDirectory(const QString& directory)
{
    const QModelIndex index = model_->index(QDir(directory).absolutePath());
    Dir1_->setCurrentIndex(index);
    Dir1_->scrollTo(index);
    path_->setText(QDir(directory).absolutePath());
}

} // namespace arvenna
