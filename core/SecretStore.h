#pragma once

#include <QString>

#include <functional>

class QObject;

// The desktop's store of secrets (the Secret Service of GNOME, KDE and others), for the few
// secrets the program keeps, such as the PDF password the user asked to keep. Nothing here ever
// falls back to a plain file: where no store answers, nothing is kept.
//
// The store answers over the session bus, which may take long when no store runs: each call
// starts the store's job and returns at once, and the answer comes later, on the caller's thread
// through its event loop, to done; nothing comes once context is gone.
class SecretStore
{
public:
    enum class Status {
        Found,
        NotFound,
        // No store runs, or it refused to answer: nothing can be kept.
        Unavailable,
    };

    struct Answer
    {
        Status status = Status::Unavailable;
        QString secret;
        // The store's own reason when it is unavailable.
        QString error;
    };

    // Secrets are filed under the program's name and this key.
    static void read(const QString &key, QObject *context, std::function<void(Answer)> done);
    // ok false, with the store's reason in error, when the secret could not be kept.
    static void write(const QString &key, const QString &secret, QObject *context,
                      std::function<void(bool ok, QString error)> done);
    // Removes the secret: Found when one was removed, NotFound when there was none, and
    // Unavailable when no store answers.
    static void remove(const QString &key, QObject *context, std::function<void(Status)> done);
};
