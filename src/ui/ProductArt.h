#pragma once
// Used by the about box and the splash window.

#include <QPixmap>
#include <QSize>

// The program's emblem: a spruce standing in a scaffold frame, painted at `size`.
QPixmap productEmblem(QSize size);
