#pragma once

#include <QString>

// Turns a PDF of new pages (written by PoDoFo, page by page, to a file) into the finished
// document with qpdf: encrypted with AES-256 of revision 6 when a password is given, and/or
// with its pages appended to an existing PDF. qpdf reads both inputs from disk as it needs them
// and writes the result as it goes, so memory does not grow with the page count or the size of
// the existing file, and stream data (embedded JPEG and fax bytes) is copied as it is. qpdf
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
