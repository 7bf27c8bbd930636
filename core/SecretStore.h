#pragma once

#include <QString>

// The desktop's store of secrets (the Secret Service of GNOME, KDE and others), for the few
// secrets the program keeps, such as the PDF password the user asked to keep. Nothing here ever
// falls back to a plain file: where no store answers, nothing is kept. Each call waits for the
// store's answer in a local event loop.
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
    static Answer read(const QString &key);
    // False, with the store's reason in error, when the secret could not be kept.
    static bool write(const QString &key, const QString &secret, QString *error = nullptr);
    // Removes the secret. Returns Found when one was removed, NotFound when there was none,
    // and Unavailable when no store answers.
    static Status remove(const QString &key);
};
