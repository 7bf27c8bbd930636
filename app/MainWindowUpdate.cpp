// The update check and the install report of the first start.

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "app/InstCnt.h"
#include "app/MainWindow.h"
#include "app/UpdateDlg.h"
#include "app/UpdateReply.h"
#include "app/UpdateServer.h"
#include "core/ProgramInfo.h"
#include "core/Settings.h"

void MainWindow::checkInstall()
{
    if (m_firstStart) {
        update();
        (new InstCnt)->send();
        return;
    }
    if (Settings::readBool(SettingsKeys::AutoUpdate, true))
        update();
}

void MainWindow::update()
{
    errorMessage(tr("Checking for update"));
    const QUrl url = UpdateServer::updateUrl();
    if (!url.isValid()) {
        // An address that is not allowed is never asked; to the user it is a server that
        // cannot be reached.
        errorMessage(tr("ERROR!<br>Can't connect to the update server. Please check network "
                        "settings."));
        return;
    }
    m_network->get(QNetworkRequest(url));
}

void MainWindow::replyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        errorMessage(tr("ERROR!<br>Can't connect to the update server. Please check network "
                        "settings."));
        return;
    }
    const std::optional<UpdateReply::Offer> offer = UpdateReply::parse(reply->readAll());
    if (!offer)
        return;
    if (!UpdateReply::isNewer(*offer, QString(ProgramInfo::Version))) {
        errorMessage(tr("You use a latest version of Vellumo."));
        return;
    }
    auto *dialog = new UpdateDlg(offer->version, offer->path, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] {
        errorMessage(tr("Thank you for updating Vellumo.<p>Please close the program and run the "
                        "install file."));
    });
    dialog->open();
}
