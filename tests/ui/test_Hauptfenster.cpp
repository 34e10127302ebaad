// The main window offscreen: loading the example sailplane, typing into a segment field, a value
// out of range, undo and redo, the design computation through its button, the editing buttons,
// the spin buttons, the settings and their file, the boss key and the screen-element file.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <fstream>

#include "app/Undo.h"
#include "common/Zahlentext.h"
#include "ui/app/Bildschirmelemente.h"
#include "ui/app/Hauptfenster.h"
#include "ui/polar/Polarfenster.h"
#include "ui/polar/SeiteGesamtpolaren.h"
#include "ui/results/Ergebnisfenster.h"
#include "ui/settings/Farbtabelle.h"
#include "ui/settings/Verzeichnisfenster.h"

// Expected segment counts of the current surface that are no change of the count before.
constexpr int Halbiert = 1000;     // the side of the current segment is gone
constexpr int NeueFlaeche = 1001;  // a new surface: two segments
constexpr int Andere = 1002;       // another surface became current: not compared

class THauptfensterTest : public QObject {
    Q_OBJECT

    /// Each window keeps its settings file and snapshots in a folder of its own.
    QTemporaryDir ordner_;

    /// Types `text` into the field and leaves it with the Enter key.
    static void Eintippen(QLineEdit* feld, const QString& text)
    {
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, Qt::Key_Return);
    }

    static TFLAECHE* Flaeche(THauptfenster& f) { return f.Szene->Flugzeug->Flaechen.Get(f.Szene->Flugzeug->AktuelleFlaeche); }

    static void Klicken(THauptfenster& f, const char* name)
    {
        auto* k = f.findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY2(k && k->isEnabled(), name);
        QTest::mouseClick(k, Qt::LeftButton);
    }

    std::filesystem::path Datenordner() const { return ordner_.path().toStdString(); }

private slots:
    void SeglerEingebenRueckgaengigBerechnen()
    {
        THauptfenster fenster(nullptr, Datenordner());
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        auto* undo = fenster.findChild<QPushButton*>(QStringLiteral("Undo"));
        auto* redo = fenster.findChild<QPushButton*>(QStringLiteral("Redo"));
        QCOMPARE(fenster.Undo->UndoPosition(), 1);  // the loaded scene is the first state
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QVERIFY(fenster.SeiteZeigen(QStringLiteral("Flügel")));
        TFLAECHE* fl = Flaeche(fenster);
        const int segment = fl->AktuellesSegment;
        TSEGMENT* seg = fl->Segmente.Get(segment);
        QVERIFY(seg);
        const Extended tiefeVorher = seg->Profiltiefe;
        const Extended flaecheVorher = fl->FlaecheHorizontal;

        auto* tiefe = fenster.findChild<QLineEdit*>(QStringLiteral("SegmentTiefe"));
        QVERIFY(tiefe);
        fenster.findChild<QTabWidget*>(QStringLiteral("SegmentReiter"))->setCurrentIndex(1);
        Eintippen(tiefe, QStringLiteral("0,2345"));
        QVERIFY(seg->Profiltiefe == 0.2345L);
        QVERIFY(fl->FlaecheHorizontal != flaecheVorher);  // the lattice was rebuilt
        QVERIFY(fenster.Geaendert);
        QCOMPARE(fenster.Undo->UndoPosition(), 2);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());

        // Leaving the field again without an edit takes no snapshot.
        tiefe->setFocus();
        QTest::keyClick(tiefe, Qt::Key_Return);
        QCOMPARE(fenster.Undo->UndoPosition(), 2);

        const Extended flaecheNeu = fl->FlaecheHorizontal;
        Eintippen(tiefe, QStringLiteral("-1"));
        QCOMPARE(fenster.Host.GezeigteFehlertexte, std::vector<int>{3});
        QVERIFY(seg->Profiltiefe == 0.2345L);
        QVERIFY(fl->FlaecheHorizontal == flaecheNeu);
        QCOMPARE(tiefe->text(), QStringLiteral("-1"));  // left for the user to correct
        QCOMPARE(fenster.Undo->UndoPosition(), 2);

        Eintippen(tiefe, QStringLiteral("abc"));
        QCOMPARE(fenster.Host.GezeigteFehlertexte.back(), 2);
        QVERIFY(seg->Profiltiefe == 0.2345L);
        QCOMPARE(fenster.Undo->UndoPosition(), 2);

        // Undo brings the old chord back into a scene read from the snapshot, field and lattice with it.
        QTest::mouseClick(undo, Qt::LeftButton);
        fl = Flaeche(fenster);
        QVERIFY(fl->Segmente.Get(segment)->Profiltiefe == tiefeVorher);
        QVERIFY(fl->FlaecheHorizontal == flaecheVorher);
        QCOMPARE(TextToReal(tiefe->text().toStdString()), tiefeVorher);
        QVERIFY(!undo->isEnabled() && redo->isEnabled());
        QTest::mouseClick(redo, Qt::LeftButton);
        QVERIFY(Flaeche(fenster)->Segmente.Get(segment)->Profiltiefe == 0.2345L);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QTest::mouseClick(undo, Qt::LeftButton);
        QVERIFY(Flaeche(fenster)->Segmente.Get(segment)->Profiltiefe == tiefeVorher);
        // A new state after an undo ends the redo chain.
        Eintippen(tiefe, QStringLiteral("0.3"));
        QVERIFY(Flaeche(fenster)->Segmente.Get(segment)->Profiltiefe == 0.3L);
        QCOMPARE(fenster.Undo->UndoPosition(), 2);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QVERIFY(!std::filesystem::exists(fenster.Undo->Snapshotdatei(3)));

        QVERIFY(fenster.SeiteZeigen(QStringLiteral("Auslegungsberechnung")));
        QTest::mouseClick(fenster.findChild<QPushButton*>(QStringLiteral("BerechnungStarten")), Qt::LeftButton);
        QVERIFY(fenster.Host.Flags.ErgebnisseGueltig);
        // The design computation is a model change of its own in the history.
        QCOMPARE(fenster.Undo->UndoPosition(), 3);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QTest::mouseClick(fenster.findChild<QPushButton*>(QStringLiteral("BerechneteWerte")), Qt::LeftButton);
        TErgebnisfenster* werte = fenster.Ergebnisfenster();
        QVERIFY(werte->isVisible());
        QCOMPARE(werte->Reiter()->count(), fenster.Szene->Flugzeug->Flaechen.Count() + 1);

        // The CA line: the label of output text 14, " = " and the aircraft's lift coefficient.
        const QString ca = QString::fromStdString(fenster.Host.Ausgabetext(14));
        QVERIFY(!ca.isEmpty());
        const QString punkt = QLocale().decimalPoint();
        const QString erwartet = ca + QStringLiteral(" = ") +
            QString::fromStdString(RealToText(fenster.Szene->Flugzeug->AuslegungsCa, 0, 5, punkt == QStringLiteral(",") ? ',' : '.'));
        QVERIFY2(werte->Text().split(QLatin1Char('\n')).contains(erwartet), qPrintable(werte->Text()));
        const double caWert = static_cast<double>(fenster.Szene->Flugzeug->AuslegungsCa);
        QVERIFY(caWert > 0.05 && caWert < 2.0);

        const QString datei = QDir::temp().filePath(QStringLiteral("velion_ui_test.txt"));
        QVERIFY(werte->Speichern(datei));
        QVERIFY(QFile::exists(QDir::temp().filePath(QStringLiteral("velion_ui_test.VelOut"))));
        QFile::remove(QDir::temp().filePath(QStringLiteral("velion_ui_test.VelOut")));
        fenster.Geaendert = false;
    }

    void Bearbeitungsknoepfe_data()
    {
        QTest::addColumn<QStringList>("knoepfe");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("flaechen");   // change of the surface count
        QTest::addColumn<int>("segmente");   // change of the current surface's segment count, or one of the above
        QTest::addColumn<QList<int>>("fragen");
        QTest::addColumn<int>("schnappschuesse");
        QTest::newRow("Fläche neu") << QStringList{"FlaecheNeu"} << int(KnopfOK) << 1 << NeueFlaeche << QList<int>{} << 1;
        QTest::newRow("Fläche Kopie") << QStringList{"FlaecheKopie"} << int(KnopfOK) << 1 << 0 << QList<int>{} << 1;
        QTest::newRow("Fläche löschen") << QStringList{"FlaecheLoeschen"} << int(KnopfYES) << -1 << Andere << QList<int>{7} << 1;
        QTest::newRow("Fläche löschen, nein") << QStringList{"FlaecheLoeschen"} << int(KnopfNO) << 0 << 0 << QList<int>{7} << 0;
        QTest::newRow("Segment neu links") << QStringList{"SegmentNeuL"} << int(KnopfOK) << 0 << 1 << QList<int>{} << 1;
        QTest::newRow("Segment neu rechts") << QStringList{"SegmentNeuR"} << int(KnopfOK) << 0 << 1 << QList<int>{} << 1;
        QTest::newRow("Segment löschen") << QStringList{"SegmentLoeschen"} << int(KnopfYES) << 0 << -1 << QList<int>{8} << 1;
        QTest::newRow("Segment löschen, nein") << QStringList{"SegmentLoeschen"} << int(KnopfNO) << 0 << 0 << QList<int>{8} << 0;
        QTest::newRow("Hälfte löschen") << QStringList{"HaelfteLoeschen"} << int(KnopfYES) << 0 << Halbiert << QList<int>{12} << 1;
        QTest::newRow("Hälfte löschen, spiegeln") << QStringList{"HaelfteLoeschen", "Spiegeln"} << int(KnopfYES) << 0 << 0
                                                  << QList<int>{12} << 2;
        QTest::newRow("Splitten 1/2") << QStringList{"Splitten"} << int(KnopfOK) << 0 << 1 << QList<int>{} << 1;
        QTest::newRow("Panelautomatik") << QStringList{"Panelautomatik"} << int(KnopfOK) << 0 << 0 << QList<int>{} << 1;
    }

    /// Each button changes the model through the core, asks what it must, takes its snapshot and
    /// refreshes the window; undo returns to the loaded aircraft.
    void Bearbeitungsknoepfe()
    {
        QFETCH(QStringList, knoepfe);
        QFETCH(int, antwort);
        QFETCH(int, flaechen);
        QFETCH(int, segmente);
        QFETCH(QList<int>, fragen);
        QFETCH(int, schnappschuesse);

        THauptfenster fenster(nullptr, Datenordner());
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        QVERIFY(fenster.SeiteZeigen(QStringLiteral("Flügel")));
        const int flaechenVorher = fenster.Szene->Flugzeug->Flaechen.Count();
        const int index = fenster.Szene->Flugzeug->AktuelleFlaeche;
        const int segmenteVorher = Flaeche(fenster)->Segmente.Count();
        fenster.Host.AutomatischeAntwort = antwort;
        for (const QString& k : knoepfe) Klicken(fenster, qPrintable(k));

        const TFLUGZEUG& fz = *fenster.Szene->Flugzeug;
        QCOMPARE(fz.Flaechen.Count(), flaechenVorher + flaechen);
        if (segmente == NeueFlaeche) QCOMPARE(Flaeche(fenster)->Segmente.Count(), 2);
        else if (segmente == Halbiert) QCOMPARE(Flaeche(fenster)->Segmente.Count(), segmenteVorher / 2);
        else if (segmente != Andere) QCOMPARE(Flaeche(fenster)->Segmente.Count(), segmenteVorher + segmente);
        QCOMPARE(QList<int>(fenster.Host.GezeigteFehlertexte.begin(), fenster.Host.GezeigteFehlertexte.end()), fragen);
        QCOMPARE(fenster.Undo->UndoPosition(), 1 + schnappschuesse);
        QCOMPARE(fenster.Geaendert, schnappschuesse > 0);
        // The fields follow the selection the operation left.
        QCOMPARE(fenster.findChild<QLineEdit*>(QStringLiteral("Flaechennummer"))->text(), QString::number(fz.AktuelleFlaeche));
        QCOMPARE(fenster.findChild<QLineEdit*>(QStringLiteral("Segmentnummer"))->text(),
                 QString::number(Flaeche(fenster)->AktuellesSegment));

        for (int i = 0; i < schnappschuesse; ++i) Klicken(fenster, "Undo");
        QCOMPARE(fenster.Szene->Flugzeug->Flaechen.Count(), flaechenVorher);
        QCOMPARE(fenster.Szene->Flugzeug->Flaechen.Get(index)->Segmente.Count(), segmenteVorher);
        fenster.Geaendert = false;
    }

    /// "Neu" asks to save changes; ABORT keeps the aircraft, NO gives a new one with no surface
    /// whose history still leads back to the old aircraft.
    void FlugzeugNeu()
    {
        THauptfenster fenster(nullptr, Datenordner());
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        fenster.Geaendert = true;
        fenster.Host.AutomatischeAntwort = KnopfABORT;
        Klicken(fenster, "FlugzeugNeu");
        QVERIFY(fenster.Szene->Flugzeug->Flaechen.Count() > 0);
        fenster.Host.AutomatischeAntwort = KnopfNO;
        Klicken(fenster, "FlugzeugNeu");
        QCOMPARE(fenster.Host.GezeigteFehlertexte, (std::vector<int>{6, 6}));
        QCOMPARE(fenster.Szene->Flugzeug->Flaechen.Count(), 0);
        QCOMPARE(fenster.Szene->Name, std::string("Noname"));
        QVERIFY(fenster.windowTitle().endsWith(QStringLiteral("Noname.vel")));
        Klicken(fenster, "Undo");
        QVERIFY(fenster.Szene->Flugzeug->Flaechen.Count() > 0);
        fenster.Geaendert = false;
    }

    /// A spin click adds the step and commits; the incidence stops at its bound; the pop-up menu
    /// sets the step of all spin buttons.
    void Drehknoepfe()
    {
        THauptfenster fenster(nullptr, Datenordner());
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        QVERIFY(fenster.SeiteZeigen(QStringLiteral("Flügel")));
        fenster.findChild<QTabWidget*>(QStringLiteral("WurzelReiter"))->setCurrentIndex(4);
        Eintippen(fenster.findChild<QLineEdit*>(QStringLiteral("Einstellwinkel")), QStringLiteral("89,95"));
        QVERIFY(Flaeche(fenster)->Einstellwinkel == 89.95L);
        QTest::mouseClick(fenster.findChild<QToolButton*>(QStringLiteral("Hoch_Einstellwinkel")), Qt::LeftButton);
        QVERIFY(Flaeche(fenster)->Einstellwinkel == 90.0L);
        QCOMPARE(fenster.Undo->UndoPosition(), 3);
        fenster.findChild<QAction*>(QStringLiteral("Schritt1"))->trigger();
        QVERIFY(fenster.Schrittweite == 1.0L);
        QVERIFY(!fenster.findChild<QAction*>(QStringLiteral("Schritt01"))->isChecked());
        QTest::mouseClick(fenster.findChild<QToolButton*>(QStringLiteral("Runter_Einstellwinkel")), Qt::LeftButton);
        QVERIFY(Flaeche(fenster)->Einstellwinkel == 89.0L);
        // Whole-number fields step by one; text fields have no spin buttons.
        const int panels = Flaeche(fenster)->AnzahlPanelsX;
        QTest::mouseClick(fenster.findChild<QToolButton*>(QStringLiteral("Hoch_PanelsX")), Qt::LeftButton);
        QCOMPARE(Flaeche(fenster)->AnzahlPanelsX, panels + 1);
        QVERIFY(!fenster.findChild<QToolButton*>(QStringLiteral("Hoch_FlaecheBezeichnung")));
        QVERIFY(!fenster.findChild<QToolButton*>(QStringLiteral("Hoch_Anstellwinkel")));
        fenster.Geaendert = false;
    }

    /// Colours, check marks, folders and switches changed in the windows are written at close and
    /// read by the next start; the drawings take the colours.
    void EinstellungenRundreise()
    {
        QTemporaryDir eigener;
        const std::filesystem::path datenordner = eigener.path().toStdString();
        TEinstellungen gespeichert;
        {
            THauptfenster fenster(nullptr, datenordner);
            fenster.show();
            QCOMPARE(fenster.Einstellungen, TEinstellungen{});  // no file yet: the defaults
            auto* tabelle = fenster.findChild<TFarbtabelle*>();
            tabelle->Fuellen(TFarbtabellenart::Klappenfarben);
            tabelle->FarbeSetzen(7, QColor(10, 20, 30));
            QCOMPARE(fenster.Farben.Klappengruppen[7], QColor(10, 20, 30));
            QCOMPARE(tabelle->Tabelle()->item(7, 1)->background().color(), QColor(10, 20, 30));
            tabelle->Fuellen(TFarbtabellenart::Polarenfarben);
            tabelle->FarbeSetzen(99, QColor(1, 2, 3));
            QCOMPARE(fenster.Einstellungen.Gesamtpolarenfarben[99], 1 + 256 * 2 + 65536 * 3);
            fenster.findChild<QAction*>(QStringLiteral("MarkierungsbalkenKreuz"))->trigger();
            QVERIFY(fenster.Farben.MarkierungsbalkenAlsKreuz);
            fenster.findChild<QCheckBox*>(QStringLiteral("Multithread"))->setChecked(false);

            auto* verzeichnisse = fenster.findChild<TVerzeichnisfenster*>();
            verzeichnisse->show();
            verzeichnisse->Flugszenen()->setText(QStringLiteral("/tmp/szenen"));
            verzeichnisse->Profile()->setText(QStringLiteral("/tmp/profile"));
            verzeichnisse->reject();  // closing takes the typed folders
            QCOMPARE(fenster.Einstellungen.VerzeichnisFlugzszenen, std::string("/tmp/szenen"));
            QCOMPARE(fenster.Einstellungen.VerzeichnisProfile, std::string("/tmp/profile"));

            fenster.findChild<QAction*>(QStringLiteral("ProgrammBeenden"))->trigger();
            QVERIFY(!fenster.isVisible());
            gespeichert = fenster.Einstellungen;
        }
        QVERIFY(std::filesystem::exists(datenordner / "Velion.ini"));
        THauptfenster wieder(nullptr, datenordner);
        QCOMPARE(wieder.Einstellungen, gespeichert);
        QCOMPARE(wieder.Farben.Klappengruppen[7], QColor(10, 20, 30));
        QVERIFY(wieder.findChild<QAction*>(QStringLiteral("MarkierungsbalkenKreuz"))->isChecked());
        QVERIFY(!wieder.findChild<QCheckBox*>(QStringLiteral("Multithread"))->isChecked());
    }

    /// The boss key closes at once: no question about unsaved changes, and the settings are written.
    void Cheftaste()
    {
        QTemporaryDir eigener;
        const std::filesystem::path datenordner = eigener.path().toStdString();
        THauptfenster fenster(nullptr, datenordner);
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        QVERIFY(fenster.SeiteZeigen(QStringLiteral("Flügel")));
        fenster.Einstellungen.Cheftaste = 'Q';
        fenster.Geaendert = true;
        fenster.Host.AutomatischeAntwort = KnopfABORT;  // a question would keep the window open
        auto* feld = fenster.findChild<QLineEdit*>(QStringLiteral("FlaecheBezeichnung"));
        fenster.activateWindow();
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_W);  // another key is typed as usual
        QVERIFY(fenster.isVisible());
        QTest::keyClick(feld, Qt::Key_Q);
        QVERIFY(!fenster.isVisible());
        QVERIFY(fenster.Host.GezeigteFehlertexte.empty());
        QVERIFY(std::filesystem::exists(datenordner / "Velion.ini"));
        fenster.Geaendert = false;
    }

    /// The close request with unsaved changes: ABORT keeps the window, NO closes it.
    void SchliessenFragt()
    {
        THauptfenster fenster(nullptr, Datenordner());
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        fenster.Geaendert = true;
        fenster.Host.AutomatischeAntwort = KnopfABORT;
        QVERIFY(!fenster.close());
        QVERIFY(fenster.isVisible());
        fenster.Host.AutomatischeAntwort = KnopfNO;
        QVERIFY(fenster.close());
        QCOMPARE(fenster.Host.GezeigteFehlertexte, (std::vector<int>{6, 6}));
        fenster.Geaendert = false;
    }

    /// A close request while the design computation runs stops it first; the window closes when
    /// the stopped computation has returned.
    void SchliessenWaehrendRechnung()
    {
        THauptfenster fenster(nullptr, Datenordner());
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        fenster.Host.AutomatischeAntwort = KnopfNO;  // the stopped run may leave a change: not saved
        bool liefNoch = false;
        QTimer::singleShot(0, &fenster, [&] {
            liefNoch = fenster.Host.Flags.RechnungLaeuft;
            fenster.close();
            QVERIFY(fenster.isVisible());  // still running: the window waits for the stop
        });
        fenster.BerechnungStarten();
        QVERIFY(liefNoch);
        QVERIFY(!fenster.Host.Flags.RechnungLaeuft);
        QVERIFY(!fenster.Host.Flags.ErgebnisseGueltig);
        QVERIFY(!fenster.isVisible());
        fenster.Geaendert = false;
    }

    /// Start with a scene, then "Datei" and "Programm beenden" clicked with the mouse: the window
    /// closes, the settings file is written and the snapshot folder goes with the window.
    void StartenUndBeendenUeberMenue()
    {
        QTemporaryDir eigener;
        const std::filesystem::path datenordner = eigener.path().toStdString();
        std::filesystem::path undoOrdner;
        {
            THauptfenster fenster(nullptr, datenordner);
            fenster.Host.AutomatischeAntwort = KnopfOK;
            QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
            fenster.show();
            QVERIFY(QTest::qWaitForWindowExposed(&fenster));
            undoOrdner = fenster.Undo->Verzeichnis();
            QVERIFY(std::filesystem::exists(fenster.Undo->Snapshotdatei(1)));
            QMenuBar* leiste = fenster.menuBar();
            auto* datei = fenster.findChild<QMenu*>(QStringLiteral("MenueDatei"));
            QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(datei->menuAction()).center());
            QTRY_VERIFY(datei->isVisible());
            auto* beenden = fenster.findChild<QAction*>(QStringLiteral("ProgrammBeenden"));
            QTest::mouseClick(datei, Qt::LeftButton, {}, datei->actionGeometry(beenden).center());
            QTRY_VERIFY(!fenster.isVisible());
            QVERIFY(fenster.Host.GezeigteFehlertexte.empty());  // nothing was changed: no question
            QVERIFY(std::filesystem::exists(datenordner / "Velion.ini"));
        }
        QVERIFY(!std::filesystem::exists(undoOrdner));
    }

    void BildschirmelementeBenennenSteuerelemente()
    {
        THauptfenster fenster;
        std::ifstream datei(VELION_SOURCE "/resources/VELION_DOC/DEUTSCH/Bildschirmelemente/Bildschirmelemente.txt",
                            std::ios::binary);
        QVERIFY(datei);
        std::string zeile;
        int zeilen = 0;
        while (std::getline(datei, zeile)) {
            if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
            const QString text = QString::fromLatin1(zeile.c_str());
            const QString pfad = text.section(QLatin1Char('='), 0, 0);
            QString eigenschaft;
            QObject* o = BildschirmelementFinden(
                pfad, {&fenster, fenster.Ergebnisfenster(), fenster.SeiteGesamtpolaren()->Polarfenster()}, eigenschaft);
            QVERIFY2(o, qPrintable(text));
            QVERIFY2(BildschirmelementSetzen(o, eigenschaft, text.section(QLatin1Char('='), 1)), qPrintable(text));
            ++zeilen;
        }
        QVERIFY(zeilen > 50);
    }
};

QTEST_MAIN(THauptfensterTest)
#include "test_Hauptfenster.moc"
