#include "OpenSslProviders.h"

#include <openssl/provider.h>

#include "core/LogCategories.h"

bool loadOpenSslProviders()
{
    // Loaded providers stay for the life of the process; later calls only report the result.
    static const bool loaded = [] {
        OSSL_PROVIDER *legacy = OSSL_PROVIDER_load(nullptr, "legacy");
        OSSL_PROVIDER *standard = OSSL_PROVIDER_load(nullptr, "default");
        if (!legacy)
            qCWarning(lcCrypto) << "OpenSSL legacy provider not available: RC4 PDFs cannot be read";
        if (!standard)
            qCWarning(lcCrypto) << "OpenSSL default provider not available";
        return legacy && standard;
    }();
    return loaded;
}
