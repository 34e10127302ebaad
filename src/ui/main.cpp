// velion: the desktop program. "velion [SCENE.vel]" opens the main window with the scene;
// "velion --bildschirmelemente" lists the captions for a language file;
// "velion --bildschirmfoto FILE.png [--seite NAME] [--berechnen] [SCENE.vel]" renders it into a picture;
// "--sprache NAME" chooses the language as its item of the "Sprachen" menu does;
// "--ansicht 3d|2d" renders only that drawing with its controls, "--ansicht polaren" the polar
// window's chart after the scene's total-polar series, "--knopf NAME" presses a display
// toggle first and "--betrachtung WX,WY,WZ,ABSTAND" sets the 3D view's angles and distance.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QTabWidget>
#include <QStringList>

#include <array>
#include <iostream>

#include "app/Sprachtexte.h"
#include "ui/app/Bildschirmelemente.h"
#include "ui/app/Hauptfenster.h"
#include "ui/polar/Polarfenster.h"
#include "ui/polar/SeiteGesamtpolaren.h"
#include "ui/app/Schriftinfo.h"
#include "ui/results/Ergebnisfenster.h"
#include "ui/settings/Farbtabelle.h"
#include "ui/settings/Verzeichnisfenster.h"
#include "ui/view/Ansicht3D.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList argumente = QApplication::arguments();
    argumente.removeFirst();

    QString bild, seite, ansicht, betrachtung, sprache;
    QStringList knoepfe;
    bool berechnen = false;
    QString szene;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QStringLiteral("--bildschirmfoto") && i + 1 < argumente.size()) bild = argumente[++i];
        else if (a == QStringLiteral("--seite") && i + 1 < argumente.size()) seite = argumente[++i];
        else if (a == QStringLiteral("--ansicht") && i + 1 < argumente.size()) ansicht = argumente[++i].toLower();
        else if (a == QStringLiteral("--knopf") && i + 1 < argumente.size()) knoepfe << argumente[++i];
        else if (a == QStringLiteral("--betrachtung") && i + 1 < argumente.size()) betrachtung = argumente[++i];
        else if (a == QStringLiteral("--sprache") && i + 1 < argumente.size()) sprache = argumente[++i];
        else if (a == QStringLiteral("--berechnen")) berechnen = true;
        else if (a == QStringLiteral("--bildschirmelemente")) {
            // For translators: every control that shows text, as lines of the screen-element file.
            THauptfenster fenster;
            for (const std::string& z : BildschirmelementeAuflisten(
                     {&fenster, fenster.Ergebnisfenster(), fenster.SeiteGesamtpolaren()->Polarfenster()}))
                std::cout << z << "\n";
            return 0;
        }
        else if (a.endsWith(QStringLiteral(".vel"), Qt::CaseInsensitive)) szene = a;
        else {
            std::cerr << "velion: unbekanntes Argument " << a.toStdString()
                      << "\nAufruf: velion [--bildschirmfoto DATEI.png [--seite NAME | --ansicht 3d|2d|polaren] [--knopf NAME]..."
                         " [--betrachtung WX,WY,WZ,ABSTAND] [--berechnen]] [--sprache NAME] [SZENE.vel]\n";
            return 2;
        }
    }
    if (!ansicht.isEmpty() && ansicht != QStringLiteral("3d") && ansicht != QStringLiteral("2d") &&
        ansicht != QStringLiteral("polaren")) {
        std::cerr << "velion: --ansicht erwartet 3d, 2d oder polaren, nicht " << ansicht.toStdString() << "\n";
        return 2;
    }
    std::array<double, 4> blick{};
    if (!betrachtung.isEmpty()) {
        const QStringList teile = betrachtung.split(QLatin1Char(','));
        bool gut = teile.size() == 4;
        for (int i = 0; gut && i < 4; ++i) blick[i] = teile[i].toDouble(&gut);
        if (!gut) {
            std::cerr << "velion: --betrachtung erwartet vier Zahlen WX,WY,WZ,ABSTAND, nicht " << betrachtung.toStdString()
                      << "\n";
            return 2;
        }
    }

    // The 3D view needs an OpenGL context; without one the program cannot start.
    if (!TAnsicht3D::OpenGLVerfuegbar()) {
        const QString meldung = QStringLiteral("Erzeugung des Renderingkontexts schlug fehl.");
        if (bild.isEmpty()) QMessageBox::critical(nullptr, QStringLiteral("VELION"), meldung);
        std::cerr << "velion: " << meldung.toStdString() << "\n";
        return 1;
    }

    THauptfenster fenster;
    SchriftinfoAnwenden(Programmverzeichnis(), QApplication::topLevelWidgets());
    if (!bild.isEmpty()) fenster.Host.AutomatischeAntwort = KnopfOK;
    if (!sprache.isEmpty()) fenster.SpracheWaehlen(sprache);
    if (!szene.isEmpty() && !fenster.SzeneOeffnen(szene.toStdString()) && !bild.isEmpty()) return 1;
    fenster.show();
    if (bild.isEmpty()) return QApplication::exec();

    if (berechnen) fenster.BerechnungStarten();
    for (const QString& name : knoepfe) {
        auto* knopf = fenster.findChild<QAbstractButton*>(name);
        if (!knopf || !knopf->isCheckable()) {
            std::cerr << "velion: kein Schalter " << name.toStdString() << "\n";
            return 2;
        }
        knopf->click();
    }
    if (!betrachtung.isEmpty() && fenster.Szene->Flugzeug) {
        fenster.Szene->Flugzeug->Betrachtungswinkel = {blick[0], blick[1], blick[2]};
        fenster.Szene->Flugzeug->AnsichtPosition.z = blick[3];
        fenster.Aktualisieren();
        fenster.NeuZeichnen();
    }
    if (ansicht == QStringLiteral("polaren")) {
        // The series the scene's settings describe, then the window on its chart tab.
        TSeiteGesamtpolaren* polarseite = fenster.SeiteGesamtpolaren();
        fenster.SeiteZeigen(QStringLiteral("SeiteGesamtpolaren"));
        polarseite->Starten();
        TPolarfenster* polar = polarseite->Polarfenster();
        if (polar->Liste().Count() == 0) {
            std::cerr << "velion: die Gesamtpolare der Szene lieferte keine Polare\n";
            return 1;
        }
        polar->Zeigen();
        polar->Reiter()->setCurrentIndex(1);
        QApplication::processEvents();
        polar->Auffrischen();
        QApplication::processEvents();
        if (!polar->grab().save(bild)) {
            std::cerr << "velion: " << bild.toStdString() << " konnte nicht geschrieben werden\n";
            return 1;
        }
        fenster.Geaendert = false;
        return 0;
    }
    if (!ansicht.isEmpty()) {
        // Only the one drawing, widened over the room of the other.
        const bool drei = ansicht == QStringLiteral("3d");
        fenster.findChild<QWidget*>(drei ? QStringLiteral("Gruppe2D") : QStringLiteral("Gruppe3D"))->hide();
        fenster.resize(1800, 900);
        QApplication::processEvents();
        QWidget* gruppe = fenster.findChild<QWidget*>(drei ? QStringLiteral("Gruppe3D") : QStringLiteral("Gruppe2D"));
        if (!gruppe->grab().save(bild)) {
            std::cerr << "velion: " << bild.toStdString() << " konnte nicht geschrieben werden\n";
            return 1;
        }
        fenster.Geaendert = false;
        return 0;
    }
    if (!seite.isEmpty()) {
        if (seite.compare(QStringLiteral("Berechnete Werte"), Qt::CaseInsensitive) == 0 ||
            seite.compare(QStringLiteral("Ergebnisfenster"), Qt::CaseInsensitive) == 0) {
            fenster.Ergebnisfenster()->Zeigen();
            QApplication::processEvents();
            if (!fenster.Ergebnisfenster()->grab().save(bild)) return 1;
            fenster.Geaendert = false;
            return 0;
        }
        // The settings windows, shown without their modal loop.
        QDialog* einstellungsfenster = nullptr;
        if (seite.compare(QStringLiteral("Verzeichnisse"), Qt::CaseInsensitive) == 0)
            einstellungsfenster = fenster.findChild<TVerzeichnisfenster*>();
        else if (seite.compare(QStringLiteral("Klappenfarben"), Qt::CaseInsensitive) == 0) {
            auto* tabelle = fenster.findChild<TFarbtabelle*>();
            tabelle->Fuellen(TFarbtabellenart::Klappenfarben);
            einstellungsfenster = tabelle;
        }
        if (einstellungsfenster) {
            einstellungsfenster->show();
            QApplication::processEvents();
            if (!einstellungsfenster->grab().save(bild)) return 1;
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
