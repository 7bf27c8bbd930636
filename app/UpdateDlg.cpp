#include "UpdateDlg.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/ProgramInfo.h"

UpdateDlg::UpdateDlg(const QString &version, const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_path(path)
{
    setWindowTitle(tr("Vellumo Updates"));
    setModal(true);

    auto *heading = new QLabel(tr("There are new version of Vellumo"), this);
    QFont font = heading->font();
    font.setPointSize(16);
    heading->setFont(font);
    auto *current = new QLabel(tr("Current Version: %1").arg(QString(ProgramInfo::Version)), this);
    auto *offer = new QLabel(this);
    offer->setTextFormat(Qt::RichText);
    offer->setText(tr("New Version: %1<p>Download: <a href=\"%2\">%3</a>")
                       .arg(version.toHtmlEscaped(), path.toHtmlEscaped(), path.toHtmlEscaped()));
    // Links go to the browser, except those that are not secure.
    connect(offer, &QLabel::linkActivated, this, [](const QString &link) {
        const QUrl url(link, QUrl::TolerantMode);
        if (url.scheme() == QStringLiteral("https"))
            QDesktopServices::openUrl(url);
    });

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(6);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    buttons->setContentsMargins(6, 0, 6, 6);
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateDlg::download);

    auto *inner = new QVBoxLayout;
    inner->setContentsMargins(12, 12, 12, 12);
    inner->addWidget(heading);
    inner->addSpacing(12);
    inner->addWidget(current);
    inner->addWidget(offer);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(inner);
    layout->addWidget(line);
    layout->addWidget(buttons);
}

void UpdateDlg::download()
{
    // Only a secure address is opened; anything else is not a download the user can trust,
    // and the dialog ends as if cancelled.
    const QUrl url(m_path, QUrl::TolerantMode);
    if (m_path.isEmpty() || url.scheme() != QStringLiteral("https")) {
        reject();
        return;
    }
    QDesktopServices::openUrl(url);
    accept();
}
