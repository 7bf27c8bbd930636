#pragma once

#include <QColor>
#include <QIcon>
#include <QLineF>
#include <QList>

// A small icon drawn from straight strokes with round caps, at twice its logical size so it
// stays crisp on high-density screens. size is the side in logical pixels; lines are in the
// same units.
QIcon lineIcon(int size, const QColor &colour, qreal penWidth, const QList<QLineF> &lines);
