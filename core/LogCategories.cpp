#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcCrypto, "vellumo.crypto")
Q_LOGGING_CATEGORY(lcExport, "vellumo.export")
Q_LOGGING_CATEGORY(lcImport, "vellumo.import")
Q_LOGGING_CATEGORY(lcPages, "vellumo.pages")
Q_LOGGING_CATEGORY(lcScan, "vellumo.scan")
Q_LOGGING_CATEGORY(lcStartup, "vellumo.startup")
Q_LOGGING_CATEGORY(lcTools, "vellumo.tools")
