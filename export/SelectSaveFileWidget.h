#pragma once

#include "export/SelectPathWidget.h"

// Picks the name of a file to write ("Save file"), starting in startFolder() with the filter
// given at construction ("*.*" when that is empty). The line edit itself starts empty.
class SelectSaveFileWidget : public SelectPathWidget
{
    Q_OBJECT

public:
    SelectSaveFileWidget(const QString &labelText, const QString &filter,
                         QWidget *parent = nullptr);

    QString startFolder() const { return m_startFolder; }
    // The folder and the file name the text names; a bare name lies in the start folder.
    QString chosenFolder() const;
    QString chosenName() const;
    void setStartFolder(const QString &folder) { m_startFolder = folder; }
    QString filter() const { return m_filter; }
    // An empty filter offers every file.
    void setFilter(const QString &filter);

public:
    // Opens the dialog; then runs once a path is chosen.
    void browseFile(const std::function<void()> &then = {});

protected:
    void browse() override { browseFile(); }

private:
    QString m_startFolder;
    QString m_filter;
};
