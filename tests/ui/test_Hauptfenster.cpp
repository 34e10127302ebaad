// The main window offscreen: loading the example sailplane, typing into a segment field, a value
// out of range, the design computation through its button and the screen-element file.
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <fstream>

#include "common/Zahlentext.h"
#include "ui/app/Bildschirmelemente.h"
#include "ui/app/Hauptfenster.h"
#include "ui/polar/Polarfenster.h"
#include "ui/polar/SeiteGesamtpolaren.h"
#include "ui/results/Ergebnisfenster.h"

class THauptfensterTest : public QObject {
    Q_OBJECT

    /// Types `text` into the field and leaves it with the Enter key.
    static void Eintippen(QLineEdit* feld, const QString& text)
    {
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, Qt::Key_Return);
    }

private slots:
    void SegmentTiefeEingeben()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        QVERIFY(fenster.SeiteZeigen(QStringLiteral("Flügel")));
        TFLAECHE* fl = fenster.Szene->Flugzeug->Flaechen.Get(fenster.Szene->Flugzeug->AktuelleFlaeche);
        TSEGMENT* seg = fl->Segmente.Get(fl->AktuellesSegment);
        QVERIFY(seg);
        const Extended flaecheVorher = fl->FlaecheHorizontal;

        auto* tiefe = fenster.findChild<QLineEdit*>(QStringLiteral("SegmentTiefe"));
        QVERIFY(tiefe);
        fenster.findChild<QTabWidget*>(QStringLiteral("SegmentReiter"))->setCurrentIndex(1);
        Eintippen(tiefe, QStringLiteral("0,2345"));
        QVERIFY(seg->Profiltiefe == 0.2345L);
        QVERIFY(fl->FlaecheHorizontal != flaecheVorher);  // the lattice was rebuilt
        QVERIFY(fenster.Geaendert);

        const Extended flaecheNeu = fl->FlaecheHorizontal;
        Eintippen(tiefe, QStringLiteral("-1"));
        QCOMPARE(fenster.Host.GezeigteFehlertexte, std::vector<int>{3});
        QVERIFY(seg->Profiltiefe == 0.2345L);
        QVERIFY(fl->FlaecheHorizontal == flaecheNeu);
        QCOMPARE(tiefe->text(), QStringLiteral("-1"));  // left for the user to correct

        Eintippen(tiefe, QStringLiteral("abc"));
        QCOMPARE(fenster.Host.GezeigteFehlertexte.back(), 2);
        QVERIFY(seg->Profiltiefe == 0.2345L);
        fenster.Geaendert = false;
    }

    void AuslegungUeberKnopf()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        QVERIFY(fenster.SeiteZeigen(QStringLiteral("Auslegungsberechnung")));
        QTest::mouseClick(fenster.findChild<QPushButton*>(QStringLiteral("BerechnungStarten")), Qt::LeftButton);
        QVERIFY(fenster.Host.Flags.ErgebnisseGueltig);
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
