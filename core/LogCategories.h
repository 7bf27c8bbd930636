#pragma once

#include <QLoggingCategory>

// Developer diagnostics, one category per area; switch them on with QT_LOGGING_RULES, for
// example QT_LOGGING_RULES="vellumo.scan.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcCrypto)  // vellumo.crypto: OpenSSL providers
Q_DECLARE_LOGGING_CATEGORY(lcExport)  // vellumo.export: PDF and other writers
Q_DECLARE_LOGGING_CATEGORY(lcImport)  // vellumo.import: image files and PDF images
Q_DECLARE_LOGGING_CATEGORY(lcPages)   // vellumo.pages: page store and working folder
Q_DECLARE_LOGGING_CATEGORY(lcScan)    // vellumo.scan: SANE and scanned bitmaps
Q_DECLARE_LOGGING_CATEGORY(lcStartup) // vellumo.startup: start-up and stale files
Q_DECLARE_LOGGING_CATEGORY(lcTools)   // vellumo.tools: external programs
