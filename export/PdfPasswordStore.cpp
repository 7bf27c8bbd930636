#include "export/PdfPasswordStore.h"

#include "core/LogCategories.h"
#include "core/SecretStore.h"
#include "core/Settings.h"

namespace {

const QString secretKey = QString(SettingsKeys::PdfPassword);

} // namespace

void PdfPasswordStore::load(bool keep, QObject *context, std::function<void(Kept)> done)
{
    if (!keep) {
        SecretStore::remove(secretKey, context, [done](SecretStore::Status status) {
            Kept kept;
            kept.storeAvailable = status != SecretStore::Status::Unavailable;
            done(kept);
        });
        return;
    }
    SecretStore::read(secretKey, context, [done](const SecretStore::Answer &answer) {
        Kept kept;
        kept.storeAvailable = answer.status != SecretStore::Status::Unavailable;
        kept.password = answer.secret;
        done(kept);
    });
}

void PdfPasswordStore::save(const QString &password, bool keep, QObject *context,
                            std::function<void(bool, QString)> done)
{
    if (keep && !password.isEmpty()) {
        SecretStore::write(secretKey, password, context, [done](bool ok, const QString &error) {
            if (done)
                done(ok, error);
        });
        return;
    }
    SecretStore::remove(secretKey, context, [done](SecretStore::Status) {
        if (done)
            done(true, QString());
    });
}

void PdfPasswordStore::moveClearTextPassword(QObject *context, std::function<void()> done)
{
    using namespace SettingsKeys;
    if (!Settings::contains(PdfPassword)) {
        if (done)
            done();
        return;
    }
    const QString password = Settings::readString(PdfPassword, QString());
    const bool keep = Settings::readBool(KeepPassword, false) && !password.isEmpty();
    Settings::remove(PdfPassword);
    if (!keep) {
        if (done)
            done();
        return;
    }
    SecretStore::write(
        secretKey, password, context, [done](bool ok, const QString &) {
            if (!ok)
                qCWarning(lcCrypto)
                    << "the kept PDF password is dropped: no secret store to move it to";
            if (done)
                done();
        });
}
