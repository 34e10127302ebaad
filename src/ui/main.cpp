// velion: the desktop program. "velion [SCENE.vel]" opens the main window with the scene;
// "velion --bildschirmelemente" lists the captions for a language file;
// "velion --bildschirmfoto FILE.png [--seite NAME] [--berechnen] [SCENE.vel]" renders it into a picture.
#include <QApplication>
#include <QPixmap>
#include <QStringList>

#include <iostream>

#include "ui/app/Bildschirmelemente.h"
#include "ui/app/Hauptfenster.h"
#include "ui/results/Ergebnisfenster.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList argumente = QApplication::arguments();
    argumente.removeFirst();

    QString bild, seite;
    bool berechnen = false;
    QString szene;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QStringLiteral("--bildschirmfoto") && i + 1 < argumente.size()) bild = argumente[++i];
        else if (a == QStringLiteral("--seite") && i + 1 < argumente.size()) seite = argumente[++i];
        else if (a == QStringLiteral("--berechnen")) berechnen = true;
        else if (a == QStringLiteral("--bildschirmelemente")) {
            // For translators: every control that shows text, as lines of the screen-element file.
            THauptfenster fenster;
            for (const std::string& z : BildschirmelementeAuflisten({&fenster, fenster.Ergebnisfenster()}))
                std::cout << z << "\n";
            return 0;
        }
        else if (a.endsWith(QStringLiteral(".vel"), Qt::CaseInsensitive)) szene = a;
        else {
            std::cerr << "velion: unbekanntes Argument " << a.toStdString()
                      << "\nAufruf: velion [--bildschirmfoto DATEI.png [--seite NAME] [--berechnen]] [SZENE.vel]\n";
            return 2;
        }
    }

    THauptfenster fenster;
    if (!bild.isEmpty()) fenster.Host.AutomatischeAntwort = KnopfOK;
    if (!szene.isEmpty() && !fenster.SzeneOeffnen(szene.toStdString()) && !bild.isEmpty()) return 1;
    fenster.show();
    if (bild.isEmpty()) return QApplication::exec();

    if (berechnen) fenster.BerechnungStarten();
    if (!seite.isEmpty()) {
        if (seite.compare(QStringLiteral("Berechnete Werte"), Qt::CaseInsensitive) == 0 ||
            seite.compare(QStringLiteral("Ergebnisfenster"), Qt::CaseInsensitive) == 0) {
            fenster.Ergebnisfenster()->Zeigen();
            QApplication::processEvents();
            if (!fenster.Ergebnisfenster()->grab().save(bild)) return 1;
            fenster.Geaendert = false;
            return 0;
        }
        if (!fenster.SeiteZeigen(seite)) {
            std::cerr << "velion: keine Seite " << seite.toStdString() << "\n";
            return 2;
        }
    }
    QApplication::processEvents();
    if (!fenster.grab().save(bild)) {
        std::cerr << "velion: " << bild.toStdString() << " konnte nicht geschrieben werden\n";
        return 1;
    }
    fenster.Geaendert = false;
    return 0;
}
