// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The "next zone" arrow: 13 x 10 times scale pixels, transparent around it.
QImage paintNextArrow(int scale);
