// Context help: which help page explains which area of the windows.
#pragma once

#include <QString>

class QObject;

/// The page that explains `objekt`: its own page, else that of the nearest enclosing area that has
/// one; empty when neither it nor any area around it has a page.
QString HilfeseiteVon(const QObject* objekt);

/// Every page name the context help can open.
QStringList Hilfeseiten();
