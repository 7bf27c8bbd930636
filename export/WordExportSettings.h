#pragma once

#include <QString>

// The Word export's choices, as the export dialog keeps them in the settings store under the
// keys WordDocFolder, WordDocName and WordNeedOpen.
struct WordExportSettings
{
    // Folder of the last document written.
    QString folder;
    // File name of the last document, as typed (with or without ".docx").
    QString name;
    bool openDocument = false;

    // From the settings store; a missing key gives the default above.
    static WordExportSettings read();
    void write() const;

    bool operator==(const WordExportSettings &) const = default;
};
