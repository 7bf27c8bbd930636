#include "core/SecretStore.h"

#include <QObject>
#include <qt6keychain/keychain.h>

#include <utility>

#include "core/LogCategories.h"

namespace {

const QString service = QStringLiteral("Vellumo");

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

// Starts the job; answer reads it once it has finished. The job deletes itself afterwards.
template <typename JobType>
void start(JobType *job, QObject *context, std::function<void(JobType &)> answer)
{
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [job, answer = std::move(answer)] { answer(*job); });
    job->start();
}

} // namespace

void SecretStore::read(const QString &key, QObject *context, std::function<void(Answer)> done)
{
    auto *job = new QKeychain::ReadPasswordJob(service);
    job->setKey(key);
    start<QKeychain::ReadPasswordJob>(job, context, [done](QKeychain::ReadPasswordJob &ended) {
        Answer answer;
        answer.status = statusOf(ended);
        if (answer.status == Status::Found)
            answer.secret = ended.textData();
        else if (answer.status == Status::Unavailable)
            answer.error = ended.errorString();
        done(answer);
    });
}

void SecretStore::write(const QString &key, const QString &secret, QObject *context,
                        std::function<void(bool, QString)> done)
{
    auto *job = new QKeychain::WritePasswordJob(service);
    job->setKey(key);
    job->setTextData(secret);
    start<QKeychain::WritePasswordJob>(job, context, [done](QKeychain::WritePasswordJob &ended) {
        if (ended.error() == QKeychain::NoError)
            return done(true, QString());
        qCWarning(lcCrypto) << "can't keep a secret:" << ended.errorString();
        done(false, ended.errorString());
    });
}

void SecretStore::remove(const QString &key, QObject *context, std::function<void(Status)> done)
{
    auto *job = new QKeychain::DeletePasswordJob(service);
    job->setKey(key);
    start<QKeychain::DeletePasswordJob>(
        job, context, [done](QKeychain::DeletePasswordJob &ended) { done(statusOf(ended)); });
}
