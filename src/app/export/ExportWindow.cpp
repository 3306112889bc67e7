#include "ExportWindow.h"

#include "OptionSwitch.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace arvenna {

namespace {
QAction* namedAction(QMenu* menu, const QString& name, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

QLineEdit* namedField(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}
} // namespace

ExportWindow::ExportWindow(const QString& programDirectory, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Export"));
    setWindowTitle(QStringLiteral("Export Preferences"));
    setWindowIcon(QIcon());

    auto* bar = new QMenuBar(this);
    QMenu* opt = bar->addMenu(QStringLiteral("&Options"));
    opt->setObjectName(QStringLiteral("opt"));
    QMenu* expmn = opt->addMenu(QStringLiteral("&Export..."));
    expmn->setObjectName(QStringLiteral("expmn"));
    QAction* Exporthtml = namedAction(expmn, QStringLiteral("Exporthtml"), QStringLiteral("...to &HTML"));
    savset_ = namedAction(opt, QStringLiteral("savset"), QStringLiteral("&Save Settings"));
    QAction* sair = namedAction(opt, QStringLiteral("sair"), QStringLiteral("E&xit"));

    FileName_ = namedField(QStringLiteral("FileName"), this);
    FileName_->setText(kDefaultExportFileName);
    TxtHorzCoord_ = namedField(QStringLiteral("TxtHorzCoord"), this);
    TxtVertCoord_ = namedField(QStringLiteral("TxtVertCoord"), this);
    LblValidHorzCoord_ = new QLabel(this);
    LblValidHorzCoord_->setObjectName(QStringLiteral("LblValidHorzCoord"));
    LblValidVertCoord_ = new QLabel(this);
    LblValidVertCoord_->setObjectName(QStringLiteral("LblValidVertCoord"));

    auto* start = new QGroupBox(QStringLiteral("Select different start coordinates.(map edges are connected)"), this);
    auto* coordinates = new QFormLayout(start);
    coordinates->addRow(QStringLiteral("Horizontal (X)"), TxtHorzCoord_);
    coordinates->addRow(QString(), LblValidHorzCoord_);
    coordinates->addRow(QStringLiteral("Vertical (Y)"), TxtVertCoord_);
    coordinates->addRow(QString(), LblValidVertCoord_);

    auto* file = new QFormLayout;
    auto* fileLabel = new QLabel(QStringLiteral("&File name"), this);
    fileLabel->setObjectName(QStringLiteral("LblFileName"));
    fileLabel->setBuddy(FileName_);
    file->addRow(fileLabel, FileName_);

    auto* optionBox = new QGroupBox(QStringLiteral("Options"), this);
    auto* optionList = new QVBoxLayout(optionBox);
    for (int i = 0; i < int(options_.size()); ++i) {
        options_[std::size_t(i)] = new OptionSwitch(programDirectory, i, kExportOptionNames.at(i), optionBox);
        optionList->addWidget(options_[std::size_t(i)]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(file);
    layout->addWidget(start);
    layout->addWidget(optionBox);

    connect(Exporthtml, &QAction::triggered, this, &ExportWindow::exportChosen);
    connect(savset_, &QAction::triggered, this, &ExportWindow::saveSettingsChosen);
    connect(sair, &QAction::triggered, this, &QDialog::close);
    for (QLineEdit* box : {TxtHorzCoord_, TxtVertCoord_})
        connect(box, &QLineEdit::textEdited, this, [this] { setSaveEnabled(true); });
    setSaveEnabled(false);
}

QString ExportWindow::fileName() const
{
    return FileName_->text();
}

QString ExportWindow::columnText() const
{
    return TxtHorzCoord_->text();
}

QString ExportWindow::rowText() const
{
    return TxtVertCoord_->text();
}

std::array<bool, 4> ExportWindow::options() const
{
    std::array<bool, 4> on{};
    for (std::size_t i = 0; i < on.size(); ++i)
        on[i] = options_[i]->isOn();
    return on;
}

void ExportWindow::showStart(const QString& column, const QString& row)
{
    TxtHorzCoord_->setText(column);
    TxtVertCoord_->setText(row);
}

void ExportWindow::showRanges(const QString& columns, const QString& rows)
{
    LblValidHorzCoord_->setText(columns);
    LblValidVertCoord_->setText(rows);
}

void ExportWindow::setSaveEnabled(bool enabled)
{
    savset_->setEnabled(enabled);
}

} // namespace arvenna
