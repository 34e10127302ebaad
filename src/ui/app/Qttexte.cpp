// Qt's own texts (the buttons of message boxes, the file and colour dialogs) in the chosen language.
#include "ui/app/Qttexte.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool QtTexteLaden(const std::string& sprache)
{
    // One translator for the whole run; a language switch replaces what it holds.
    static QTranslator uebersetzer;
    QCoreApplication::removeTranslator(&uebersetzer);
    if (sprache != "DEUTSCH") return true;
    if (!uebersetzer.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    QCoreApplication::installTranslator(&uebersetzer);
    return true;
}
