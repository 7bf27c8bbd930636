#pragma once

#include <QWidget>

// The work-area page that previews a page turned by an angle while the Rotate Mode panel is
// open. Empty until a page is turned.
class RotatePreview : public QWidget
{
    Q_OBJECT

public:
    explicit RotatePreview(QWidget *parent = nullptr);
};
