#include "ProgressWarning.h"

#include "shell/Pictures.h"

#include <QGridLayout>
#include <QLabel>

namespace arvenna {

ProgressWarning::ProgressWarning(const QString& programDirectory, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ProgressWarning"));
    setWindowTitle(QStringLiteral("MapViewer"));
    setWindowIcon(QIcon());
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImgWait"));
    picture->setPixmap(programPicture(programDirectory, QStringLiteral("GreyBkskull.ico")));
    auto* note = new QLabel(QStringLiteral("Depending on the size of the map this may take between 10 sec. and 1 min."), this);
    note->setObjectName(QStringLiteral("LblNote"));
    note->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    for (std::size_t i = 0; i < LblWait.size(); ++i) {
        LblWait[i] = new QLabel(QStringLiteral("Loading Map, Please wait..."), this);
        LblWait[i]->setObjectName(QStringLiteral("LblWait"));
        LblWait[i]->setProperty("index", int(i));
        layout->addWidget(LblWait[i], int(i), 1);
    }
    layout->addWidget(note, 2, 1);
    setFixedWidth(360);
}

void ProgressWarning::setWaitText(const QString& text)
{
    for (QLabel* label : LblWait)
        label->setText(text);
}

} // namespace arvenna
