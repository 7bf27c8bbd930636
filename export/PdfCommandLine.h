#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <optional>

#include "export/PdfExportSettings.h"

// The "pdf" command of vellumo-cli:
//   vellumo-cli pdf -o OUT.pdf [--append] [--password PASSWORD] [--paper A4|Letter|A0..A6]
//                   [--orientation portrait|landscape] [--scale dpi|stretch|fit]
//                   [--margins L,R,T,B] [--no-center] FILE...
// FILE is a page image (.jpg or .tiff) or a project file (.vlmpj), whose pages are used in
// order. Margins are in centimetres. The user's settings are neither read nor written.
class PdfCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(PdfCommandLine)

public:
    struct Job
    {
        PdfExportSettings settings;
        QStringList inputs;
        bool append = false;
    };

    // The job for the arguments after "pdf", or nothing with the reason in error.
    static std::optional<Job> parse(const QStringList &arguments, QString *error);
    // Both commands: "pdf" and "check-pdf" (see PdfLoadCheck).
    static QString usage();
};
