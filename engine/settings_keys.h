#pragma once

#include <QString>

// Where the clock keeps its settings. Switches are compared with one literal,
// case-sensitively, never parsed.
namespace settings_keys {

inline const QString App = QStringLiteral("Horalux");
inline const QString Data = QStringLiteral("data");
inline const QString Version = QStringLiteral("version");

inline const QString True = QStringLiteral("True");
inline const QString False = QStringLiteral("False");

} // namespace settings_keys
