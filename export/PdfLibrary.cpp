#include "PdfLibrary.h"

#include <podofo/podofo.h>

namespace PdfLibrary {

void silence()
{
    PoDoFo::PdfError::EnableLogging(false);
    PoDoFo::PdfError::EnableDebug(false);
}

QString describe(const PoDoFo::PdfError &error)
{
    const char *name = PoDoFo::PdfError::ErrorName(error.GetError());
    return QStringLiteral("PoDoFo error %1 (%2)")
        .arg(int(error.GetError()))
        .arg(QString::fromLatin1(name ? name : "unknown"));
}

} // namespace PdfLibrary
