#include "RotatePreview.h"

RotatePreview::RotatePreview(QWidget *parent)
    : QWidget(parent)
{
}
