// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Composes the written artwork the way the clock shows it (sample labels,
// the arrow) into preview sheets in previewDir, and prints how well each
// label's colour stands out from its background. Returns false if an output
// could not be read back or a sheet could not be written.
bool writePreviews(const QString &dataDir, const QString &previewDir);
