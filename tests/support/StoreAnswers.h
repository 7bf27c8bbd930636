#pragma once

#include <QString>

#include "core/SecretStore.h"
#include "export/PdfPasswordStore.h"

// The secret store's answers waited for, for tests: each call returns once the store answered
// (or after 30 s, with the default of the answer).
namespace StoreAnswers {

SecretStore::Answer read(const QString &key);
PdfPasswordStore::Kept load(bool keep);
bool save(const QString &password, bool keep, QString *error = nullptr);
void moveClearTextPassword();

} // namespace StoreAnswers
