#include "AboutWindow.h"

#include "Pictures.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace arvenna {

AboutWindow::AboutWindow(const QString& programDirectory, QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("About ") + QStringLiteral("MapViewer"));
    setWindowIcon(programIcon(programDirectory, kWindowIconPicture));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("AboutPicture"));
    const QPixmap skull = programPicture(programDirectory, kWindowIconPicture);
    if (!skull.isNull())
        picture->setPixmap(skull.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto* title = new QLabel(QStringLiteral("<b>Arvenna MapViewer</b>"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    auto* version = new QLabel(QStringLiteral("Version ") + QStringLiteral(ARVENNA_VERSION), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* description = new QLabel(
        QStringLiteral("Keeps the map of your Arvenna and Quorvane games from your turn reports."), this);
    description->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addWidget(description);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

} // namespace arvenna
