#include "support/StoreAnswers.h"

#include <QObject>
#include <QTest>

namespace {

constexpr int WaitMs = 30 * 1000;

void waitFor(const bool &answered)
{
    if (!QTest::qWaitFor([&answered] { return answered; }, WaitMs))
        qWarning("the secret store did not answer within %d ms", WaitMs);
}

} // namespace

namespace StoreAnswers {

SecretStore::Answer read(const QString &key)
{
    QObject context;
    bool answered = false;
    SecretStore::Answer answer;
    SecretStore::read(key, &context, [&](const SecretStore::Answer &given) {
        answer = given;
        answered = true;
    });
    waitFor(answered);
    return answer;
}

PdfPasswordStore::Kept load(bool keep)
{
    QObject context;
    bool answered = false;
    PdfPasswordStore::Kept kept;
    PdfPasswordStore::load(keep, &context, [&](const PdfPasswordStore::Kept &given) {
        kept = given;
        answered = true;
    });
    waitFor(answered);
    return kept;
}

bool save(const QString &password, bool keep, QString *error)
{
    QObject context;
    bool answered = false;
    bool ok = false;
    PdfPasswordStore::save(password, keep, &context, [&](bool given, const QString &reason) {
        ok = given;
        if (error)
            *error = reason;
        answered = true;
    });
    waitFor(answered);
    return ok;
}

void moveClearTextPassword()
{
    QObject context;
    bool answered = false;
    PdfPasswordStore::moveClearTextPassword(&context, [&answered] { answered = true; });
    waitFor(answered);
}

} // namespace StoreAnswers
