#include "EzPrevScan.h"

EzPrevScan::EzPrevScan(QWidget *parent)
    : QWidget(parent)
{
}
