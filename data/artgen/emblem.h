// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The clock-over-globe icon at size x size pixels, transparent around the face.
QImage paintIcon(int size);

// The About tab's logo: the icon over the program's name on a soft card,
// 168 x 164 times scale pixels.
QImage paintLogo(int scale);
