#pragma once

#include "export/SelectPathWidget.h"

// Picks an existing PDF file ("Open existing PDF"), starting at the path shown.
class SelectFileWidget : public SelectPathWidget
{
    Q_OBJECT

public:
    explicit SelectFileWidget(const QString &labelText, QWidget *parent = nullptr);

public:
    // Opens the dialog; then runs once a path is chosen.
    void browseFile(const std::function<void()> &then = {});

protected:
    void browse() override { browseFile(); }
};
