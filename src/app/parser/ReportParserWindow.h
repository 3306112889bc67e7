#pragma once

#include "storing/ProcessingRun.h"
#include "storing/ReportFiles.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;
class QAction;

namespace arvenna {

// The parser window "ReportParser": the report files of the reports
// directory, the six processing options, "Process Report" and the log of
// the last report. The player's choices leave it as signals; the run's
// progress comes back through its show methods.
class ReportParserWindow : public QWidget {
    Q_OBJECT
public:
    ReportParserWindow(const QString& programDirectory, const QStringList& optionLabels, QWidget* owner = nullptr);

    // Lists the files of the reports directory, each with its turn, faction
    // and whether the game holds it already.
    void showReportFiles(const QString& directory, const QList<ReportFile>& files);
    // The selected files with their directory, in list order.
    QStringList selectedFiles() const;
    ProcessingOptions options() const;

    // A run over these files begins: controls off, log hidden, and the
    // progress bar over the files when there is more than one.
    void showRunStarting(const QStringList& files);
    // File index (from 0) of the run has been handled.
    void showFileDone(int index, const FileOutcome& outcome);
    // The run ended: its status, the log of the last file, a line for each
    // file of the run, controls back on.
    void showRunFinished(const QString& status, const QStringList& log, const QStringList& summary);

    QListWidget* File1;
    QPushButton* Command1;
    QListWidget* LstChanges;
    QListWidget* LstSummary;
    QLabel* lblstatus;
    std::array<QCheckBox*, kProcessingOptionCount> Check1;
    std::array<QToolButton*, kProcessingOptionCount> ImgParseOptions;
    std::array<QLabel*, kProcessingOptionCount> LblParseOptions;
    QLabel* LblProgress;
    QProgressBar* ProgressFiles;
    QAction* ExitParser;
    QAction* prefs;

signals:
    void processChosen();
    void exitChosen();
    void preferencesChosen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setInputsEnabled(bool enabled);
    void showOptionPicture(int option);
    // "File i of n: NAME" for the file at index of the run.
    QString progressText(int index) const;

    QString programDirectory_;
    QString directory_;
    QStringList running_; // the files of the run under way, empty between runs
};

} // namespace arvenna
