#include "core/SecretStore.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

#include "core/LogCategories.h"

namespace {

const QString service = QStringLiteral("Vellumo");

// Starts the job and returns once it has finished.
void runToEnd(QKeychain::Job *job)
{
    job->setAutoDelete(false);
    job->setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

SecretStore::Status statusOf(const QKeychain::Job &job)
{
    switch (job.error()) {
    case QKeychain::NoError:
        return SecretStore::Status::Found;
    case QKeychain::EntryNotFound:
        return SecretStore::Status::NotFound;
    default:
        qCInfo(lcCrypto) << "secret store unavailable:" << job.errorString();
        return SecretStore::Status::Unavailable;
    }
}

} // namespace

SecretStore::Answer SecretStore::read(const QString &key)
{
    QKeychain::ReadPasswordJob job(service);
    job.setKey(key);
    runToEnd(&job);
    Answer answer;
    answer.status = statusOf(job);
    if (answer.status == Status::Found)
        answer.secret = job.textData();
    else if (answer.status == Status::Unavailable)
        answer.error = job.errorString();
    return answer;
}

bool SecretStore::write(const QString &key, const QString &secret, QString *error)
{
    QKeychain::WritePasswordJob job(service);
    job.setKey(key);
    job.setTextData(secret);
    runToEnd(&job);
    if (job.error() == QKeychain::NoError)
        return true;
    qCWarning(lcCrypto) << "can't keep a secret:" << job.errorString();
    if (error)
        *error = job.errorString();
    return false;
}

SecretStore::Status SecretStore::remove(const QString &key)
{
    QKeychain::DeletePasswordJob job(service);
    job.setKey(key);
    runToEnd(&job);
    return statusOf(job);
}
