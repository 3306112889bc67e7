#include "FindWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace arvenna {

namespace {
enum Column { KindColumn, NameColumn, CodeColumn };
}

FindWindow::FindWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("FindWindow"));
    setWindowTitle(QStringLiteral("Find"));
    FindText_ = new QLineEdit(this);
    FindText_->setObjectName(QStringLiteral("FindText"));
    FindText_->setPlaceholderText(QStringLiteral("Province code, number or part of a name"));
    FindText_->setClearButtonEnabled(true);
    FindText_->installEventFilter(this);
    FindMatches_ = new QTreeWidget(this);
    FindMatches_->setObjectName(QStringLiteral("FindMatches"));
    FindMatches_->setHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Name"), QStringLiteral("Province")});
    FindMatches_->setRootIsDecorated(false);
    FindMatches_->setUniformRowHeights(true);
    FindMatches_->setAllColumnsShowFocus(true);
    FindMatches_->header()->setStretchLastSection(false);
    FindMatches_->header()->setSectionResizeMode(KindColumn, QHeaderView::ResizeToContents);
    FindMatches_->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    FindMatches_->header()->setSectionResizeMode(CodeColumn, QHeaderView::ResizeToContents);
    FindCount_ = new QLabel(this);
    FindCount_->setObjectName(QStringLiteral("FindCount"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FindText_);
    layout->addWidget(FindMatches_);
    layout->addWidget(FindCount_);
    resize(460, 380);

    connect(FindText_, &QLineEdit::textEdited, this, &FindWindow::textEdited);
    connect(FindText_, &QLineEdit::returnPressed, this, &FindWindow::chooseCurrent);
    connect(FindMatches_, &QTreeWidget::itemActivated, this, &FindWindow::chooseCurrent);
}

QString FindWindow::text() const
{
    return FindText_->text();
}

void FindWindow::showResult(const FindResult& result)
{
    FindMatches_->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(result.matches.size());
    for (const FindMatch& match : result.matches) {
        auto* row = new QTreeWidgetItem({match.kindLabel, matchTitle(match), match.code});
        row->setData(CodeColumn, Qt::UserRole, match.code);
        rows << row;
    }
    FindMatches_->addTopLevelItems(rows);
    if (!rows.isEmpty())
        FindMatches_->setCurrentItem(rows.constFirst());
    FindCount_->setText(FindText_->text().trimmed().isEmpty() ? QString() : matchCountText(result));
}

void FindWindow::present()
{
    show();
    raise();
    activateWindow();
    FindText_->setFocus();
    FindText_->selectAll();
}

// The line keeps the focus while Up, Down and the page keys move through the list.
bool FindWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FindText_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QApplication::sendEvent(FindMatches_, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FindWindow::done(int result)
{
    QDialog::done(result);
    if (parentWidget())
        parentWidget()->activateWindow();
}

void FindWindow::chooseCurrent()
{
    const QTreeWidgetItem* row = FindMatches_->currentItem();
    if (!row)
        return;
    const QString code = row->data(CodeColumn, Qt::UserRole).toString();
    accept();
    emit matchChosen(code);
}

} // namespace arvenna
