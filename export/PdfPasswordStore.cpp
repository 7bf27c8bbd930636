#include "export/PdfPasswordStore.h"

#include "core/LogCategories.h"
#include "core/SecretStore.h"
#include "core/Settings.h"

namespace {

const QString secretKey = QString(SettingsKeys::PdfPassword);

} // namespace

PdfPasswordStore::Kept PdfPasswordStore::load(bool keep)
{
    Kept kept;
    if (!keep) {
        kept.storeAvailable = SecretStore::remove(secretKey) != SecretStore::Status::Unavailable;
        return kept;
    }
    const SecretStore::Answer answer = SecretStore::read(secretKey);
    kept.storeAvailable = answer.status != SecretStore::Status::Unavailable;
    kept.password = answer.secret;
    return kept;
}

bool PdfPasswordStore::save(const QString &password, bool keep, QString *error)
{
    if (keep && !password.isEmpty())
        return SecretStore::write(secretKey, password, error);
    SecretStore::remove(secretKey);
    return true;
}

void PdfPasswordStore::moveClearTextPassword()
{
    using namespace SettingsKeys;
    if (!Settings::contains(PdfPassword))
        return;
    const QString password = Settings::readString(PdfPassword, QString());
    if (Settings::readBool(KeepPassword, false) && !password.isEmpty()) {
        if (!SecretStore::write(secretKey, password))
            qCWarning(lcCrypto)
                << "the kept PDF password is dropped: no secret store to move it to";
    }
    Settings::remove(PdfPassword);
}
