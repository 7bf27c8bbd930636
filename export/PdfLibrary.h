#pragma once

#include <QString>

namespace PoDoFo {
class PdfError;
}

// What every user of the PDF library (PoDoFo) does the same way.
namespace PdfLibrary {

// Switches off the library's own messages on standard error; our callers log what matters.
void silence();
// "PoDoFo error <number> (<name>)", for the log and for developer-facing reasons.
QString describe(const PoDoFo::PdfError &error);

} // namespace PdfLibrary
