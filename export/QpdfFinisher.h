#pragma once

#include <QString>

// Turns a PDF of new pages (written by PoDoFo, page by page, to a file) into the finished
// document with qpdf: encrypted with AES-256 of revision 6 when a password is given, and/or
// with its pages appended to an existing PDF. A plain existing file (no password either way)
// gets the pages as an update section after its last byte (PdfUpdateAppender), which reads only
// its page tree's root. Otherwise qpdf reads both inputs from disk as it needs them and writes
// the result as it goes: stream data (embedded JPEG and fax bytes) is read one stream at a time
// and copied as it is, while the objects around it (some kilobytes a page) stay in memory. qpdf
// refuses malformed input with an error instead of crashing, so an existing file from anywhere
// can be read in this process.
class QpdfFinisher
{
public:
    struct Job
    {
        QString pages;    // the new pages
        QString existing; // the PDF to append them to; empty for a new document
        QString password; // empty: no encryption (an appended file keeps its own)
        QString output;   // written from scratch
    };

    // False, with the reason in error, when an input cannot be read (also a wrong password for
    // an encrypted existing file) or the output cannot be written. Nothing throws out of it.
    static bool finish(const Job &job, QString *error);
};
