// The secondary windows offscreen, driven as a user would: profile selection and section, scaling,
// elliptic wing, zero-point shift, import, the DXF and STL exports and the formatted exports. With
// VELION_DIALOGBILDER set to a folder, each window is also written there as a PNG to look at.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "common/Zahlentext.h"
#include "profile/T_Profil.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/DxfFenster.h"
#include "ui/dialogs/Ellipsendialog.h"
#include "ui/dialogs/Formatexportfenster.h"
#include "ui/dialogs/Importdialog.h"
#include "ui/dialogs/Nullpunktfenster.h"
#include "ui/dialogs/Profilauswahl.h"
#include "ui/dialogs/Profilschnittfenster.h"
#include "ui/dialogs/Skalierfenster.h"
#include "ui/dialogs/StlFenster.h"
#include "ui/results/Ergebnisfenster.h"
#include "ui/view/Diagramm2D.h"

class TDialogeTest : public QObject {
    Q_OBJECT

    /// The window as a picture for a human to look at, when asked for.
    static void Bild(QWidget* fenster, const char* name)
    {
        const QString ordner = qEnvironmentVariable("VELION_DIALOGBILDER");
        if (!ordner.isEmpty()) fenster->grab().save(QDir(ordner).filePath(QString::fromLatin1(name) + ".png"));
    }

    static void Klicken(THauptfenster& fenster, const char* knopf)
    {
        auto* k = fenster.findChild<QPushButton*>(QString::fromLatin1(knopf));
        QVERIFY2(k && k->isEnabled(), knopf);
        k->click();
    }

    static QStringList Zeilen(const QListWidget* liste)
    {
        QStringList z;
        for (int i = 0; i < liste->count(); ++i) z << liste->item(i)->text();
        return z;
    }

    static TFLAECHE& Flaeche(THauptfenster& fenster)
    {
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        return *f.Flaechen.Get(f.AktuelleFlaeche);
    }

private slots:
    void ProfilWaehlenUndUebernehmen()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        TFLAECHE& fl = Flaeche(fenster);
        Klicken(fenster, "SegmentProfilWaehlen");
        auto* auswahl = fenster.findChild<TProfilauswahl*>();
        QVERIFY(auswahl && auswahl->isVisible());
        QVERIFY(auswahl->OrdnerZeigen(QStringLiteral(VELION_EXAMPLES)));
        QVERIFY(auswahl->DateiWaehlen(QStringLiteral("NACA-2412.dat")));
        QCOMPARE(auswahl->Beiwerte()->count(), TProfil::AnzahlBeiwerte);
        QVERIFY(auswahl->Beiwerte()->item(0)->text().startsWith(QStringLiteral("Dicke = 12")));
        QCOMPARE(auswahl->Vorschau().Anzahl(), 81);
        Bild(auswahl, "Profilauswahl");

        QVERIFY(auswahl->Uebernehmen());
        QVERIFY(!auswahl->isVisible());
        QCOMPARE(fl.Segmente.Get(fl.AktuellesSegment)->Segmentprofil->Dateiname, std::string("NACA-2412.dat"));
        QVERIFY(fenster.Geaendert);

        // Opened again, the window starts in the folder it was closed in.
        Klicken(fenster, "WurzelProfilWaehlen");
        QCOMPARE(QDir(auswahl->Ordner()), QDir(QStringLiteral(VELION_EXAMPLES)));
        auswahl->hide();

        // Saved under a ".txt" name, the segment's profile is written as ".dat"; its folder is the
        // next start folder.
        QTemporaryDir ordner;
        const std::filesystem::path datei = auswahl->ProfilSpeichern(true, ordner.path().toStdString() + "/flach.txt");
        QCOMPARE(QString::fromStdString(datei.filename().string()), QStringLiteral("flach.dat"));
        TProfil gelesen;
        gelesen.LoadDat(datei);
        QCOMPARE(gelesen.Anzahl(), 81);
        QCOMPARE(QDir(QString::fromStdString(auswahl->Profilverzeichnis.string())), QDir(ordner.path()));
        fenster.Geaendert = false;
    }

    void FehlerlisteNenntGescheiterte()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        QTemporaryDir ordner;
        {
            // Every check passes but the upper trailing edge, which lies at X = 0.99.
            std::ofstream datei(QDir(ordner.path()).filePath(QStringLiteral("kurz.dat")).toStdString());
            datei << "kurz\n0.99 0.01\n0.5 0.05\n0 0\n0.5 -0.04\n1 -0.01\n";
        }
        auto* auswahl = fenster.findChild<TProfilauswahl*>();
        auswahl->Oeffnen(false);
        QVERIFY(auswahl->OrdnerZeigen(ordner.path()));
        QVERIFY(auswahl->DateiWaehlen(QStringLiteral("kurz.dat")));
        QCOMPARE(Zeilen(auswahl->Fehlerliste()),
                 QStringList{QString::fromStdString(fenster.Host.Ausgabetext(156)).trimmed()});
        auswahl->hide();
    }

    void InvertierenZweimalStelltHer()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        TProfil& wurzel = *Flaeche(fenster).Wurzelprofil;
        const std::string name = wurzel.Dateiname;
        const std::vector<TKoordinate> vorher = wurzel.Punkte();
        Klicken(fenster, "WurzelInvertieren");
        QCOMPARE(QString::fromStdString(wurzel.Dateiname), QString::fromStdString(name).section('.', 0, 0) + "_inv." +
                                                              QString::fromStdString(name).section('.', 1));
        Klicken(fenster, "WurzelInvertieren");
        QCOMPARE(wurzel.Dateiname, name);
        QCOMPARE(wurzel.Anzahl(), int(vorher.size()));
        for (int i = 0; i < wurzel.Anzahl(); ++i) QVERIFY(wurzel.Punkt(i)->Z == vorher[i].Z);
        fenster.Geaendert = false;
    }

    void ProfilschnittZeichnetDenSchnitt()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        Klicken(fenster, "Profilschnitt");
        auto* schnitt = fenster.findChild<TProfilschnittfenster*>();
        QVERIFY(schnitt && schnitt->isVisible());
        const QImage bild = schnitt->Bild();
        QVERIFY(!bild.isNull());
        // The contour crosses the middle column of the picture twice, above and below the chord.
        int schwarz = 0;
        for (int y = 2; y < bild.height() - 2; ++y) schwarz += bild.pixelColor(bild.width() / 2, y) == Qt::black;
        QVERIFY2(schwarz >= 2, qPrintable(QString::number(schwarz)));
        Bild(schnitt, "Profilschnitt");
        schnitt->hide();
    }

    void SkalierungUeberProzentUndSpannweite()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        std::vector<Extended> tiefen;
        for (const auto& fl : f.Flaechen) tiefen.push_back(fl->Profiltiefe);
        const Extended y2 = f.Flaechen.Get(2)->Position.y;
        Klicken(fenster, "FlugzeugSkalierung");
        auto* skalierung = fenster.findChild<TSkalierfenster*>();
        QVERIFY(skalierung && skalierung->isVisible());
        QCOMPARE(skalierung->windowTitle(), QString::fromStdString(fenster.Host.Ausgabetext(145)));
        Bild(skalierung, "Skalierung");

        auto* prozent = skalierung->findChild<QLineEdit*>(QStringLiteral("Prozent"));
        prozent->setText(QStringLiteral("abc"));
        skalierung->findChild<QPushButton*>(QStringLiteral("Uebernehmen"))->click();
        QCOMPARE(fenster.Host.GezeigteFehlertexte.back(), 2);
        QCOMPARE(prozent->text(), QStringLiteral("50"));
        QVERIFY(f.Flaechen.Get(0)->Profiltiefe == tiefen[0]);

        // Positions off: 50 % halves every chord and leaves the surfaces where they are.
        skalierung->findChild<QCheckBox*>(QStringLiteral("PositionY"))->setChecked(false);
        skalierung->findChild<QPushButton*>(QStringLiteral("Uebernehmen"))->click();
        for (int i = 0; i < f.Flaechen.Count(); ++i) QVERIFY(f.Flaechen.Get(i)->Profiltiefe == tiefen[i] * 0.5L);
        QVERIFY(f.Flaechen.Get(2)->Position.y == y2);
        QVERIFY(fenster.Geaendert);

        // A new span for the widest surface: the factor is the ratio of the spans.
        auto* spannweite = skalierung->findChild<QLineEdit*>(QStringLiteral("Spannweite"));
        const Extended vorher = f.Flaechen.Get(0)->Spannweite;
        spannweite->setFocus();
        spannweite->selectAll();
        QTest::keyClicks(spannweite, QString::fromStdString(RealToText(2 * vorher, 0, 5, ',')));
        QTest::keyClick(spannweite, Qt::Key_Return);
        QVERIFY(std::abs(f.Flaechen.Get(0)->Profiltiefe - tiefen[0]) < 1e-4L);

        // Surface mode: the current surface only, without its position.
        Klicken(fenster, "FlaecheSkalierung");
        QVERIFY(!skalierung->Flugzeugmodus());
        QVERIFY(skalierung->findChild<QCheckBox*>(QStringLiteral("PositionX"))->isHidden());
        QCOMPARE(skalierung->windowTitle(),
                 QString::fromStdString(fenster.Host.Ausgabetext(147)) + QString::number(f.AktuelleFlaeche));
        skalierung->hide();
        fenster.Geaendert = false;
    }

    void ElliptischeFlaecheFragtBisZurGueltigenZahl()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        const int vorher = f.Flaechen.Count();
        Klicken(fenster, "Elliptisch");
        auto* dialog = fenster.findChild<TEllipsendialog*>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->textValue(), QStringLiteral("15"));
        Bild(dialog, "Elliptisch");
        dialog->setTextValue(QStringLiteral("0"));
        dialog->accept();
        QCOMPARE(fenster.Host.GezeigteFehlertexte.back(), 60);
        QVERIFY(dialog->isVisible());  // asked again
        QCOMPARE(f.Flaechen.Count(), vorher);
        dialog->setTextValue(QStringLiteral("15"));
        dialog->accept();
        QCOMPARE(f.Flaechen.Count(), vorher + 1);
        QCOMPARE(f.AktuelleFlaeche, vorher);
        QCOMPARE(f.Flaechen.Get(vorher)->Segmente.Count(), 30);
        fenster.Geaendert = false;
    }

    void NullpunktVerschiebtAlleFlaechen()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        std::vector<Extended> x;
        for (const auto& fl : f.Flaechen) x.push_back(fl->Position.x);
        Klicken(fenster, "NPVerschieben");
        auto* np = fenster.findChild<TNullpunktfenster*>();
        QVERIFY(np && np->isVisible());
        Bild(np, "Nullpunkt");
        np->findChild<QAbstractButton*>(QStringLiteral("AchseXAuf"))->click();
        for (int i = 0; i < f.Flaechen.Count(); ++i) QVERIFY(std::abs(f.Flaechen.Get(i)->Position.x - (x[i] + 0.1L)) < 1e-15L);
        QVERIFY(fenster.Geaendert);
        np->hide();
        fenster.Geaendert = false;
    }

    void ImportHaengtFlaechenAn()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        const int vorher = f.Flaechen.Count();
        auto* import = fenster.findChild<TImportdialog*>();
        QVERIFY(import);
        QCOMPARE(import->Importieren(QStringLiteral(VELION_EXAMPLES "/import/Brett.FLG")), 1);
        QCOMPARE(f.Flaechen.Count(), vorher + 1);
        QCOMPARE(f.AktuelleFlaeche, vorher);
        QVERIFY(fenster.Geaendert);
        QCOMPARE(import->Importieren(QStringLiteral(VELION_EXAMPLES "/Segler.txt")), 0);  // no import format
        QCOMPARE(f.Flaechen.Count(), vorher + 1);
        fenster.Geaendert = false;
    }

    void DxfUndStlSchreibenDateien()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        QTemporaryDir ordner;
        const std::filesystem::path pfad = ordner.path().toStdString();

        fenster.findChild<QAction*>(QStringLiteral("DxfExport"))->trigger();
        auto* dxf = fenster.findChild<TDxfFenster*>();
        QVERIFY(dxf && dxf->isVisible());
        QCOMPARE(dxf->findChild<QListWidget*>(QStringLiteral("Flaechenwahl"))->count(), fenster.Szene->Flugzeug->Flaechen.Count());
        Bild(dxf, "DXF");
        auto* aufloesung = dxf->findChild<QLineEdit*>(QStringLiteral("Exportaufloesung"));
        for (auto [text, fehler, danach] : {std::tuple{"abc", 46, "30"}, std::tuple{"9", 45, "9"}}) {
            aufloesung->setText(QString::fromLatin1(text));
            QVERIFY(!dxf->Exportieren(pfad / "Segler.txt"));
            QCOMPARE(fenster.Host.GezeigteFehlertexte.back(), fehler);
            QCOMPARE(aufloesung->text(), QString::fromLatin1(danach));
        }
        aufloesung->setText(QStringLiteral("12"));
        QVERIFY(dxf->Exportieren(pfad / "Segler.txt"));
        QVERIFY(std::filesystem::file_size(pfad / "Segler.DXF") > 1000);
        dxf->hide();

        fenster.findChild<QAction*>(QStringLiteral("StlExport"))->trigger();
        auto* stl = fenster.findChild<TStlFenster*>();
        QVERIFY(stl && stl->isVisible());
        Bild(stl, "STL");
        stl->findChild<QLineEdit*>(QStringLiteral("Exportaufloesung"))->setText(QStringLiteral("10"));
        QVERIFY(stl->Exportieren(pfad / "Segler"));
        const auto groesse = std::filesystem::file_size(pfad / "Segler.STL");
        QVERIFY(groesse > 84 && (groesse - 84) % 50 == 0);
        stl->hide();
    }

    void ErgebnisfensterHebtDenMarkiertenStreifenHervor()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        fenster.BerechnungStarten();
        QVERIFY(fenster.Host.Flags.ErgebnisseGueltig);
        TErgebnisfenster* werte = fenster.Ergebnisfenster();
        werte->Zeigen();
        QCOMPARE(werte->MarkierteZeile(), -1);  // the aircraft page has no strips
        const int flaeche = fenster.Szene->Flugzeug->AktuelleFlaeche;
        werte->Reiter()->setCurrentIndex(flaeche + 1);
        const int streifen = fenster.Diagramm2D()->Markierungsstreifen();
        QVERIFY(streifen >= 0);
        const QStringList zeilen = werte->Text().split(QLatin1Char('\n'));
        QVERIFY(werte->MarkierteZeile() >= 0);
        QVERIFY2(zeilen[werte->MarkierteZeile()].startsWith(QString::number(streifen) + QStringLiteral(") ")),
                 qPrintable(zeilen[werte->MarkierteZeile()]));
        // The marker moved to the root: the highlight follows it.
        fenster.Diagramm2D()->MarkierungSetzen(0.0);
        fenster.Aktualisieren();
        const int beiNull = fenster.Diagramm2D()->Markierungsstreifen();
        QVERIFY(werte->Text().split(QLatin1Char('\n'))[werte->MarkierteZeile()].startsWith(QString::number(beiNull) + QStringLiteral(") ")));
        Bild(werte, "Ergebnisfenster");
        werte->hide();
    }

    void FormatierteExporteZeigenUndSpeichern()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.findChild<QAction*>(QStringLiteral("GeometrieExportMenue"))->trigger();
        auto* geometrie = fenster.findChild<TFormatexportfenster*>(QStringLiteral("GeometrieExport"));
        QVERIFY(geometrie && geometrie->isVisible());
        QVERIFY(geometrie->Zeilen()->count() > 10);
        QCOMPARE(geometrie->Zeilen()->item(0)->text(), QStringLiteral("VELION Vers. 01.215 25.01.2015"));
        Bild(geometrie, "Geometrieexport");
        // Comma cells: the line of the aircraft count reads "F-ANZ,<label>,1".
        geometrie->findChild<QRadioButton*>(QStringLiteral("ZelleKomma"))->click();
        QVERIFY(geometrie->Zeilen()->item(2)->text().startsWith(QStringLiteral("F-ANZ,")));
        QTemporaryDir ordner;
        const std::filesystem::path datei = geometrie->Speichern(ordner.path().toStdString() + "/geo");
        QCOMPARE(QString::fromStdString(datei.filename().string()), QStringLiteral("geo.CSV"));
        QVERIFY(std::filesystem::file_size(datei) > 100);
        geometrie->hide();

        // The results window's button opens the computed values' export.
        fenster.Ergebnisfenster()->Zeigen();
        fenster.Ergebnisfenster()->findChild<QPushButton*>(QStringLiteral("FormatierterExport"))->click();
        auto* werte = fenster.findChild<TFormatexportfenster*>(QStringLiteral("WerteExport"));
        QVERIFY(werte && werte->isVisible());
        QVERIFY(werte->Zeilen()->count() >= 2);
        werte->hide();
        fenster.Ergebnisfenster()->hide();
    }
};

QTEST_MAIN(TDialogeTest)
#include "test_Dialoge.moc"
