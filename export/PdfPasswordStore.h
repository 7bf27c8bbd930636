#pragma once

#include <QString>

#include <functional>

class QObject;

// The PDF password the user asked to keep ("Save password for next using"). It lives in the
// desktop's secret store, never in the settings file; where no store runs, nothing is kept.
// Every call answers later, through done on the caller's thread (see SecretStore), unless
// context is gone by then.
class PdfPasswordStore
{
public:
    struct Kept
    {
        // False when no secret store answers: the password can't be kept.
        bool storeAvailable = false;
        QString password;
    };

    // With keep, the kept password (empty when none is kept). Without keep, removes any password
    // still in the store, so an unchecked box leaves nothing behind.
    static void load(bool keep, QObject *context, std::function<void(Kept)> done);

    // Keeps the password when keep is set and it is not empty; otherwise removes the kept one.
    // ok false, with the store's reason in error, when a password should be kept and can't be.
    static void save(const QString &password, bool keep, QObject *context,
                     std::function<void(bool ok, QString error)> done = {});

    // Once at start: a clear-text password an older version left in the settings file moves to
    // the secret store when it was meant to be kept, and leaves the settings file in any case
    // (before the store has answered).
    static void moveClearTextPassword(QObject *context, std::function<void()> done = {});
};
