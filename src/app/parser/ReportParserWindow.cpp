#include "ReportParserWindow.h"

#include "shell/Pictures.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace arvenna {

namespace {
const QString kOptionOn = QStringLiteral("greenSkull.ico");
const QString kOptionOff = QStringLiteral("redSkull.ico");

template <typename T>
T* indexed(T* widget, const QString& name, int index)
{
    widget->setObjectName(name);
    widget->setProperty("index", index);
    return widget;
}
} // namespace

ReportParserWindow::ReportParserWindow(const QString& programDirectory, const QStringList& optionLabels,
                                       QWidget* owner)
    : QWidget(owner, Qt::Window), programDirectory_(programDirectory)
{
    setObjectName(QStringLiteral("ReportParser"));
    setWindowTitle(QStringLiteral("Report Parser"));
    setWindowIcon(QIcon());
    // The map must not change under a run: the rest of the program waits.
    setWindowModality(Qt::ApplicationModal);

    auto* menus = new QMenuBar(this);
    ExitParser = menus->addAction(QStringLiteral("&Exit"));
    ExitParser->setObjectName(QStringLiteral("ExitParser"));
    prefs = menus->addAction(QStringLiteral("&Preferences"));
    prefs->setObjectName(QStringLiteral("prefs"));

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    File1->setMinimumWidth(360); // room for each file's turn and faction
    Command1 = new QPushButton(programIcon(programDirectory, QStringLiteral("GreyBkskull.ico")),
                               QStringLiteral("Process Report"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setIconSize(QSize(32, 32));

    auto* options = new QGroupBox(QStringLiteral("Processing Options"), this);
    auto* optionGrid = new QGridLayout(options);
    for (int i = 0; i < kProcessingOptionCount; ++i) {
        const std::size_t at = std::size_t(i);
        ImgParseOptions[at] = indexed(new QToolButton(options), QStringLiteral("ImgParseOptions"), i);
        ImgParseOptions[at]->setAutoRaise(true);
        ImgParseOptions[at]->setIconSize(QSize(24, 24));
        Check1[at] = indexed(new QCheckBox(options), QStringLiteral("Check1"), i);
        Check1[at]->setChecked(true);
        LblParseOptions[at] = indexed(new QLabel(optionLabels.value(i), options), QStringLiteral("LblParseOptions"), i);
        optionGrid->addWidget(ImgParseOptions[at], i, 0);
        optionGrid->addWidget(Check1[at], i, 1);
        optionGrid->addWidget(LblParseOptions[at], i, 2);
        connect(ImgParseOptions[at], &QToolButton::clicked, Check1[at], &QCheckBox::toggle);
        connect(Check1[at], &QCheckBox::toggled, this, [this, i] { showOptionPicture(i); });
        showOptionPicture(i);
    }

    LstChanges = new QListWidget(this);
    LstChanges->setObjectName(QStringLiteral("LstChanges"));
    LstChanges->setUniformItemSizes(true); // a report's log runs to tens of thousands of lines
    // Hidden during a run, it keeps its place so that the status stays put.
    QSizePolicy keepPlace = LstChanges->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    LstChanges->setSizePolicy(keepPlace);
    auto* summary = new QGroupBox(QStringLiteral("Last run"), this);
    LstSummary = new QListWidget(summary);
    LstSummary->setObjectName(QStringLiteral("LstSummary"));
    LstSummary->setMaximumHeight(120);
    (new QVBoxLayout(summary))->addWidget(LstSummary);

    auto* status = new QGroupBox(QStringLiteral("Status"), this);
    status->setObjectName(QStringLiteral("FrmStatus"));
    status->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum); // stays small while the log is hidden
    lblstatus = new QLabel(status);
    lblstatus->setObjectName(QStringLiteral("lblstatus"));
    LblProgress = new QLabel(status);
    LblProgress->setObjectName(QStringLiteral("LblProgress"));
    ProgressFiles = new QProgressBar(status);
    ProgressFiles->setObjectName(QStringLiteral("ProgressFiles"));
    ProgressFiles->setFormat(QStringLiteral("%v of %m"));
    auto* statusLayout = new QVBoxLayout(status);
    statusLayout->addWidget(lblstatus);
    statusLayout->addWidget(LblProgress);
    statusLayout->addWidget(ProgressFiles);
    LblProgress->hide();
    ProgressFiles->hide();

    auto* left = new QVBoxLayout;
    left->addWidget(File1, 1);
    left->addWidget(Command1);
    left->addWidget(options);
    auto* right = new QVBoxLayout;
    right->addWidget(LstChanges, 1);
    right->addWidget(summary);
    right->addWidget(status);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(900, 600);

    connect(Command1, &QPushButton::clicked, this, &ReportParserWindow::processChosen);
    connect(ExitParser, &QAction::triggered, this, &ReportParserWindow::exitChosen);
    connect(prefs, &QAction::triggered, this, &ReportParserWindow::preferencesChosen);
}

void ReportParserWindow::showOptionPicture(int option)
{
    const std::size_t at = std::size_t(option);
    ImgParseOptions[at]->setIcon(programIcon(programDirectory_, Check1[at]->isChecked() ? kOptionOn : kOptionOff));
}

void ReportParserWindow::showReportFiles(const QString& directory, const QList<ReportFile>& files)
{
    QStringList selected;
    if (directory == directory_) {
        for (const QListWidgetItem* item : File1->selectedItems())
            selected << item->data(Qt::UserRole).toString();
    }
    directory_ = directory;
    File1->clear();
    for (const ReportFile& file : files) {
        auto* item = new QListWidgetItem(reportFileCaption(file), File1);
        item->setData(Qt::UserRole, file.name);
        // This turn's reports stand out; what the game holds or cannot read steps back.
        QFont font = item->font();
        font.setBold(file.state == ReportFileState::New);
        item->setFont(font);
        if (file.state != ReportFileState::New)
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        item->setSelected(selected.contains(file.name));
    }
}

QStringList ReportParserWindow::selectedFiles() const
{
    QStringList files;
    for (int i = 0; i < File1->count(); ++i) {
        if (File1->item(i)->isSelected())
            files << QDir(directory_).filePath(File1->item(i)->data(Qt::UserRole).toString());
    }
    return files;
}

ProcessingOptions ReportParserWindow::options() const
{
    ProcessingOptions chosen{};
    for (std::size_t i = 0; i < chosen.size(); ++i)
        chosen[i] = Check1[i]->isChecked();
    return chosen;
}

void ReportParserWindow::showRunStarting(const QStringList& files)
{
    running_ = files;
    const int fileCount = int(files.size());
    lblstatus->clear();
    LstChanges->hide();
    setInputsEnabled(false);
    const bool several = fileCount > 1;
    ProgressFiles->setRange(0, fileCount);
    ProgressFiles->setValue(0);
    LblProgress->setText(several ? progressText(0) : QString());
    LblProgress->setVisible(several);
    ProgressFiles->setVisible(several);
}

void ReportParserWindow::showFileDone(int index, const FileOutcome& outcome)
{
    if (outcome.read)
        lblstatus->setText(QFileInfo(outcome.path).fileName());
    ProgressFiles->setValue(index + 1);
    if (index + 1 < running_.size())
        LblProgress->setText(progressText(index + 1));
}

QString ReportParserWindow::progressText(int index) const
{
    return QStringLiteral("File %1 of %2: %3")
        .arg(index + 1)
        .arg(running_.size())
        .arg(QFileInfo(running_.at(index)).fileName());
}

void ReportParserWindow::showRunFinished(const QString& status, const QStringList& log, const QStringList& summary)
{
    LstSummary->clear();
    LstSummary->addItems(summary);
    running_.clear();
    lblstatus->setText(status);
    LblProgress->hide();
    ProgressFiles->hide();
    LstChanges->clear();
    LstChanges->addItems(log);
    LstChanges->show();
    setInputsEnabled(true);
}

void ReportParserWindow::setInputsEnabled(bool enabled)
{
    Command1->setEnabled(enabled);
    File1->setEnabled(enabled);
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        Check1[i]->setEnabled(enabled);
        ImgParseOptions[i]->setEnabled(enabled);
    }
    // Leaving or changing the directory in the middle of a run would reload
    // the map under it.
    ExitParser->setEnabled(enabled);
    prefs->setEnabled(enabled);
}

void ReportParserWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window is leaving it; never in the middle of a run.
    event->ignore();
    if (running_.isEmpty())
        emit exitChosen();
}

} // namespace arvenna
