// The total-polar page and the polar window offscreen: a short series started and stopped from the
// page, a picked chart point and its information, the axis rule, and the polar files through the
// window's menu read back to the same list.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <vector>

#include "results/Polardatei.h"
#include "results/Polarliste.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/Formatexportfenster.h"
#include "ui/polar/Polardiagramm.h"
#include "ui/polar/Polarfenster.h"
#include "ui/polar/SeiteGesamtpolaren.h"

namespace {

/// A flap series of three rows, values with at most five decimals so every file keeps them exactly.
std::unique_ptr<TPolargruppe> Gruppe(const std::string& bemerkung, double versatz)
{
    auto g = std::make_unique<TPolargruppe>();
    g->Art = PolarartKlappen;
    g->Flugszene = "Segler.vel";
    g->Fix = FixSchwerpunkt;
    g->Bemerkung = bemerkung;
    g->Gruppe = {1, 0, 0, 0};
    g->Gruppentext = {"Wölbklappen", "", "", ""};
    const std::array<std::string, 3> info{"", "FL0 ABO12.5 ISF ", "FB NRF "};
    for (int r = 0; r < 3; ++r) {
        TPolarzeile z;
        z.Alfa = 1.5 + r;
        z.Gr[0] = 6.0 - 4.0 * r;
        z.Ca = 0.25 + 0.125 * r + versatz;
        z.Cw = std::array{0.0125, 0.015, 0.0175}[r];
        z.Geschwindigkeit = 12.5 - r;
        z.Sinkgeschwindigkeit = 0.5 + 0.0625 * r;
        z.Gleitzahl = 20.0 + 2.5 * r + versatz;
        z.Steigzahl = 5.5;
        z.Gleitwinkel = 2.75;
        z.Schwerpunkt = 0.0875;
        z.Stabilitaetsmass = 8.5;
        z.Neutralpunkt = 0.1125;
        z.Widerstand = 0.625;
        z.Info = info[r];
        g->Zeilen.push_back(z);
    }
    return g;
}

bool GleicheListen(const TPolarliste& a, const TPolarliste& b)
{
    if (a.Count() != b.Count()) return false;
    for (int i = 0; i < a.Count(); ++i)
        if (!(*a.Get(i) == *b.Get(i))) return false;
    return true;
}

}  // namespace

class TPolarenTest : public QObject {
    Q_OBJECT

    static void Eintippen(QLineEdit* feld, const QString& text)
    {
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, Qt::Key_Return);
    }

private slots:
    void SerieVonDerSeiteStartenUndStoppen()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        QVERIFY(fenster.SeiteZeigen(QStringLiteral("Gesamtpolaren berechnen")));
        TSeiteGesamtpolaren* seite = fenster.SeiteGesamtpolaren();
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        Eintippen(fenster.findChild<QLineEdit*>(QStringLiteral("AnzahlSchritte")), QStringLiteral("2"));
        QCOMPARE(f.GesamtpolarSchrittzahl, 2);
        QCOMPARE(seite->Klappentabelle()->item(0, 3)->text(),
                 QString::fromStdString(f.Klappengruppenbeschreibung[f.GesamtpolarHaupt[0].Klappengruppe]));
        const Extended anstellwinkel = f.Anstellwinkel;
        const Extended klappe = f.Flaechen.Get(0)->Segmente.Get(0)->Klappenausschlag;

        auto* start = fenster.findChild<QPushButton*>(QStringLiteral("PolarStart"));
        auto* stopp = fenster.findChild<QPushButton*>(QStringLiteral("PolarStopp"));
        QVERIFY(start && stopp && !stopp->isEnabled());
        start->click();
        TPolarliste& liste = seite->Polarfenster()->Liste();
        QCOMPARE(liste.Count(), 1);
        const TPolargruppe& g = *liste.Get(0);
        QCOMPARE(g.Art, static_cast<int>(PolarartKlappen));
        QCOMPARE(g.Fix, static_cast<int>(FixSchwerpunkt));
        QCOMPARE(static_cast<int>(g.Zeilen.size()), 3);
        // The flap row -2..6 in two steps runs from the higher end down.
        for (int r = 0; r < 3; ++r) QCOMPARE(g.Zeilen[r].Gr[0], 6.0 - 4.0 * r);
        QVERIFY(g.Zeilen[0].Ca != g.Zeilen[2].Ca);
        QVERIFY(seite->Polarfenster()->Tabellentext().contains(QStringLiteral("[KLAPPENBERECHNUNG]")));
        QVERIFY(f.Anstellwinkel == anstellwinkel);
        QVERIFY(f.Flaechen.Get(0)->Segmente.Get(0)->Klappenausschlag == klappe);
        QVERIFY(start->isEnabled() && !stopp->isEnabled());

        // The formatted export of the polar list, from the main window's menu and from the polar
        // window's: both show the series just computed.
        std::vector<int> zeilenzahlen;
        for (auto [menuepunkt, exportfenster] : {std::pair{"PolarenExportMenue", "PolarenExport"},
                                                 std::pair{"PolarenFormatierterExport", "PolarfensterExport"}}) {
            fenster.findChild<QAction*>(QString::fromLatin1(menuepunkt))->trigger();
            for (auto* export_ : fenster.findChildren<TFormatexportfenster*>(QString::fromLatin1(exportfenster)))
                if (export_->isVisible()) {
                    zeilenzahlen.push_back(export_->Zeilen()->count());
                    export_->hide();
                }
        }
        QCOMPARE(static_cast<int>(zeilenzahlen.size()), 2);
        QVERIFY(zeilenzahlen[0] > 3);
        QCOMPARE(zeilenzahlen[0], zeilenzahlen[1]);

        // "Stopp" pressed while the series runs: the group is discarded, the model is as before.
        bool laufendGesehen = false;
        QTimer::singleShot(0, &fenster, [&] {
            laufendGesehen = fenster.Host.Flags.GesamtpolarLaeuft && stopp->isEnabled() && !start->isEnabled();
            stopp->click();
        });
        start->click();
        QVERIFY(laufendGesehen);
        QCOMPARE(liste.Count(), 1);
        QVERIFY(!fenster.Host.Flags.GesamtpolarLaeuft);
        QVERIFY(f.Anstellwinkel == anstellwinkel);
        QVERIFY(f.Flaechen.Get(0)->Segmente.Get(0)->Klappenausschlag == klappe);
        fenster.Geaendert = false;
    }

    void SegmentAufZeileAblegenUndAlleFlaechenZeigen()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        TSeiteGesamtpolaren* seite = fenster.SeiteGesamtpolaren();
        // A segment of surface 1 on the incidence table names that surface.
        seite->SegmentAblegen(seite->EwdTabelle(), 2, 1, 0);
        QCOMPARE(f.GesamtpolarEwd[2].Flaeche, 1);
        QCOMPARE(seite->EwdTabelle()->item(2, 3)->text(), QString::fromStdString(f.Flaechen.Get(1)->Bezeichnung));
        // A wing segment on the flap table names its flap group.
        const int gruppe = f.Flaechen.Get(0)->Segmente.Get(0)->Klappengruppe;
        seite->SegmentAblegen(seite->Klappentabelle(), 1, 0, 0);
        QCOMPARE(f.GesamtpolarHaupt[1].Klappengruppe, gruppe == f.GesamtpolarHaupt[0].Klappengruppe ? 0 : gruppe);

        f.Flaechen.Get(1)->Sichtbar = false;
        f.Flaechen.Get(2)->Sichtbar = false;
        fenster.findChild<QAction*>(QStringLiteral("AlleFluegel"))->trigger();
        for (int i = 0; i < f.Flaechen.Count(); ++i) QVERIFY(f.Flaechen.Get(i)->Sichtbar);
        auto* liste = fenster.findChild<QListWidget*>(QStringLiteral("Flaechenliste"));
        QCOMPARE(liste->count(), f.Flaechen.Count());
        QCOMPARE(liste->item(2)->checkState(), Qt::Checked);
        fenster.Geaendert = false;
    }

    void GewaehlterPunktZeigtSeineZeile()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        TPolarfenster& polar = *fenster.SeiteGesamtpolaren()->Polarfenster();
        polar.Liste().GruppeHinzufuegen(Gruppe("erste", 0.0));
        polar.Liste().GruppeHinzufuegen(Gruppe("zweite", 0.03125));
        polar.Zeigen();
        polar.Reiter()->setCurrentIndex(1);
        QApplication::processEvents();
        TPolardiagramm* d = polar.Diagramm();
        const TPolarzeile& zeile = polar.Liste().Get(1)->Zeilen[1];
        const QPoint punkt = d->Bildpunkt(zeile.Ca, zeile.Gleitzahl).toPoint();
        QTest::mouseClick(d, Qt::LeftButton, {}, punkt + QPoint(3, -5));
        QCOMPARE(d->Auswahl, (std::pair{1, 1}));
        const QString info = polar.Polarinfo();
        QVERIFY2(info.contains(QStringLiteral("BEMERKUNG zweite")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("\nCA 0.40625\n")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("\nE 22.53125\n")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Instabil")), qPrintable(info));
        QTest::mouseMove(d, punkt + QPoint(1, 1));
        QVERIFY(polar.StatusX().startsWith(QStringLiteral("CA=")));

        // Unticking the group clears the information; a press beside every point keeps the pick.
        polar.Gruppenliste()->item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(polar.Polarinfo().isEmpty());
        polar.Gruppenliste()->item(1)->setCheckState(Qt::Checked);
        QVERIFY(polar.Polarinfo().contains(QStringLiteral("BEMERKUNG zweite")));
        QTest::mouseClick(d, Qt::LeftButton, {}, d->Plotbereich().topLeft().toPoint() + QPoint(2, 2));
        QCOMPARE(d->Auswahl, (std::pair{1, 1}));

        // Deleting group 0 moves the other up; the pick is gone with it.
        polar.GruppeLoeschen(0);
        QCOMPARE(polar.Liste().Count(), 1);
        QVERIFY(polar.Gruppenliste()->item(0)->text().startsWith(QStringLiteral("0) ")));
        QCOMPARE(d->Auswahl, (std::pair{-1, -1}));
    }

    void AchsenFallenNieZusammen()
    {
        THauptfenster fenster;
        TPolarfenster& polar = *fenster.SeiteGesamtpolaren()->Polarfenster();
        TPolardiagramm* d = polar.Diagramm();
        QCOMPARE(d->X, 1);  // "CA" against "E" at start
        QCOMPARE(d->Y, 5);
        polar.XWaehlen(5);
        QCOMPARE(d->Y, 6);
        polar.YWaehlen(11);
        polar.XWaehlen(11);
        QCOMPARE(d->Y, 0);
        QCOMPARE(d->XTitel, QStringLiteral("W [N]"));
        QCOMPARE(d->YTitel, QStringLiteral("Alfa [°]"));
    }

    void PolarenSpeichernUndDazuladen()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        TPolarfenster& polar = *fenster.SeiteGesamtpolaren()->Polarfenster();
        polar.Liste().GruppeHinzufuegen(Gruppe("erste", 0.0));
        polar.Liste().GruppeHinzufuegen(Gruppe("zweite", 0.5));
        TPolarliste vorher;
        for (const auto& g : polar.Liste()) vorher.GruppeHinzufuegen(std::make_unique<TPolargruppe>(*g));

        const std::filesystem::path ordner = std::filesystem::temp_directory_path() / "velion_polaren_test";
        std::filesystem::remove_all(ordner);
        std::filesystem::create_directories(ordner);
        polar.AutomatischeDateien = {QString::fromStdString((ordner / "Serie").string())};
        polar.findChild<QAction*>(QStringLiteral("PolarenSpeichernUnter"))->trigger();
        QVERIFY(std::filesystem::exists(ordner / "Serie.VELPOL"));

        polar.findChild<QAction*>(QStringLiteral("PolarentabelleLoeschen"))->trigger();
        QCOMPARE(polar.Liste().Count(), 0);
        polar.AutomatischeDateien = {QString::fromStdString((ordner / "Serie.VELPOL").string())};
        polar.findChild<QAction*>(QStringLiteral("PolarenDazuladen"))->trigger();
        QVERIFY(GleicheListen(polar.Liste(), vorher));
        QCOMPARE(polar.Gruppenliste()->count(), 2);

        // The table tab is the old polar table: read back, it gives the same groups.
        TPolarliste alt;
        std::vector<std::string> zeilen;
        for (const QString& z : polar.Tabellentext().split(QLatin1Char('\n'))) zeilen.push_back(z.toStdString());
        QVERIFY(AltePolarenLesen(alt, zeilen).Vollstaendig());
        QVERIFY(GleicheListen(alt, vorher));

        // An old table is refused as a save target and nothing is written.
        polar.AutomatischeDateien = {QString::fromStdString((ordner / "Serie.csv").string())};
        polar.findChild<QAction*>(QStringLiteral("PolarenSpeichernUnter"))->trigger();
        QVERIFY(!std::filesystem::exists(ordner / "Serie.csv"));
        QCOMPARE(fenster.Host.GezeigteFehlertexte.back(), 47);
        std::filesystem::remove_all(ordner);
    }
};

QTEST_MAIN(TPolarenTest)
#include "test_Polaren.moc"
