#include "platform/ui/KeychainSecrets.h"

#include "platform/SettingsFile.h"

#include <qt6keychain/keychain.h>

namespace platform {

namespace {

template <typename JobType> JobType *startJob(const QString &key)
{
    auto *job = new JobType(QLatin1String(productName));
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    return job;
}

QString failure(const QKeychain::Job *job)
{
    return job->error() == QKeychain::NoError ? QString() : job->errorString();
}

} // namespace

void KeychainSecrets::readSecret(const QString &key, QObject *receiver, ReadDone done)
{
    auto *job = startJob<QKeychain::ReadPasswordJob>(key);
    QObject::connect(job, &QKeychain::Job::finished, receiver, [job, done = std::move(done)] {
        if (job->error() == QKeychain::EntryNotFound)
            done(QString(), QString());
        else
            done(job->textData(), failure(job));
    });
    job->start();
}

void KeychainSecrets::writeSecret(const QString &key, const QString &secret, QObject *receiver, Done done)
{
    auto *job = startJob<QKeychain::WritePasswordJob>(key);
    job->setTextData(secret);
    QObject::connect(job, &QKeychain::Job::finished, receiver, [job, done = std::move(done)] { done(failure(job)); });
    job->start();
}

void KeychainSecrets::deleteSecret(const QString &key, QObject *receiver, Done done)
{
    auto *job = startJob<QKeychain::DeletePasswordJob>(key);
    QObject::connect(job, &QKeychain::Job::finished, receiver, [job, done = std::move(done)] {
        done(job->error() == QKeychain::EntryNotFound ? QString() : failure(job));
    });
    job->start();
}

} // namespace platform
