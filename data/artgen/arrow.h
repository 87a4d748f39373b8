#pragma once

#include <QImage>

// The "next zone" arrow: 13 x 10 times scale pixels, transparent around it.
QImage paintNextArrow(int scale);
