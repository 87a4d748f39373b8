// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The next-zone arrow: a picture that a screen reader is told is a button.
class NextZoneArrow final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};

// Lets a screen reader read the clock's labels and press the arrow. Once per
// program; later calls do nothing.
void installClockAccessibility();
