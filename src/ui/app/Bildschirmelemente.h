// Screen elements: lines "WINDOW.CONTROL.PROPERTY=value" that set the captions of the windows in
// the current language. Names are matched without regard to case; unresolved lines are ignored.
#pragma once

#include <QList>
#include <QString>

#include <string>
#include <vector>

class QObject;

/// The object a path names, searched from the windows by object name (ignoring case); the last
/// part of the path is returned in `eigenschaft`. Null when a name is not found.
QObject* BildschirmelementFinden(const QString& pfad, const QList<QObject*>& fenster, QString& eigenschaft);

/// Sets a text property (CAPTION, TEXT, HINT) of a control; false when the control has no such text.
bool BildschirmelementSetzen(QObject* objekt, const QString& eigenschaft, const QString& wert);

/// The text property (CAPTION, TEXT, HINT) of a control as it shows now; empty when it has none.
QString BildschirmelementLesen(QObject* objekt, const QString& eigenschaft);

/// Applies every line in file order, so later lines win.
void BildschirmelementeAnwenden(const std::vector<std::string>& zeilen, const QList<QObject*>& fenster);

/// The path under which the file names this control, "WINDOW.CONTROL" in capitals: the window
/// that holds it (a menu counts as part of its window) and the nearest named object from the
/// control upwards (over an open menu, its highlighted item). Just "WINDOW" over the bare window.
QString Bildschirmelementpfad(QObject* steuerelement);

/// Lines for every control of `fenster` that shows text, in the file's grammar (the current captions
/// and hints).
std::vector<std::string> BildschirmelementeAuflisten(const QList<QObject*>& fenster);
