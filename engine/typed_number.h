#pragma once

#include <QString>

#include <optional>

// A number a person typed or a settings file holds: the program's own dotted
// form first, then the user's own decimal separator. Nothing for text that is
// no finite number.
std::optional<double> parseTypedNumber(const QString &text);
