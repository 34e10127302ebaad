// The small up/down button pair beside a number field of the secondary windows, and the step the
// pair adds or takes away.
#pragma once

#include <functional>

#include "common/Extended.h"

class QHBoxLayout;
class QString;
class QWidget;

/// What one click on an up or down button adds or takes away.
inline constexpr Extended Schrittweite = 0.1L;

/// Adds the pair "<name>Auf" / "<name>Ab" to the row; `klick` hears +1 for up and -1 for down.
void Pfeilknoepfe(QWidget* eltern, QHBoxLayout* zeile, const QString& name, std::function<void(int)> klick);
