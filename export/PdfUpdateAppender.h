#pragma once

#include <QString>

// Appends new pages to an existing PDF as an update section after its last byte: the existing
// file is copied unchanged, then the new pages' objects, a new version of the page tree's root
// with the pages added to its kids, and a cross-reference section that points back to the
// file's own. Only the page tree's root and the new pages are read into memory, so appending
// costs about what copying the file costs, whatever its size; and what the file already holds
// (signatures included) stays byte for byte as it was.
//
// Used for the common case only: an existing file that is not encrypted and opens without
// repairs, whose page tree root gives its pages no turn or crop box to inherit. Anything else
// is reported as unsuitable, and the caller rewrites the whole document instead.
class PdfUpdateAppender
{
public:
    enum class Outcome { Written, Unsuitable, Failed };

    // pages: a PDF of new pages only (unencrypted, as the page writer makes it); output is
    // written from scratch. On Failed, error holds the reason; on Unsuitable, output may hold
    // a partial file that the caller overwrites.
    static Outcome append(const QString &pages, const QString &existing, const QString &output,
                          QString *error);
};
