#pragma once

// Loads OpenSSL's "legacy" and "default" providers into the default library context, once per
// process. PoDoFo needs RC4 (legacy) to open RC4- and AES-128-encrypted PDF files, which
// OpenSSL 3 no longer offers by default. Returns false when either provider failed to load.
bool loadOpenSslProviders();
