// The drawings of the main window: where the 3D view puts a lattice corner for a given rotation and
// distance, which panel a click picks, the mouse turning the view, the marker bar of the spanwise
// diagrams with its information line, the curves in the diagram and (with OpenGL) the rendered aircraft.
#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

#include <cmath>

#include "common/Zahlentext.h"
#include "model/TPAN.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_SEGMENT.h"
#include "profile/T_Profil.h"
#include "ui/app/Hauptfenster.h"
#include "ui/view/Ansicht3D.h"
#include "ui/view/Diagramm2D.h"

namespace {

/// The pixel of a model point worked out by hand: model (x, y, z) is drawn at (x, z, -y), turned
/// about x, then y (view angles; the attitude first: -alpha about the drawing's z), moved back by the
/// distance and seen through a 30° perspective.
QPointF VonHand(double x, double y, double z, double wx, double wy, double alpha, double abstand, int w, int h)
{
    const double g = M_PI / 180.0;
    double px = x, py = z, pz = -y;
    const double a = -alpha * g;
    double t = px * std::cos(a) - py * std::sin(a);
    py = px * std::sin(a) + py * std::cos(a);
    px = t;
    t = px * std::cos(wy * g) + pz * std::sin(wy * g);
    pz = -px * std::sin(wy * g) + pz * std::cos(wy * g);
    px = t;
    t = py * std::cos(wx * g) - pz * std::sin(wx * g);
    pz = py * std::sin(wx * g) + pz * std::cos(wx * g);
    py = t;
    pz -= abstand;
    const double f = 1.0 / std::tan(15.0 * g);
    const double ndcX = f / (double(w) / h) * px / -pz, ndcY = f * py / -pz;
    return {(ndcX + 1.0) / 2.0 * w, (1.0 - ndcY) / 2.0 * h};
}

T3Vektor Mitte(const TPAN& p)
{
    T3Vektor m;
    for (const TPUNKT& e : p.Ecken) m = Vektorsumme(m, T3Vektor{e.X / 4, e.Y / 4, e.Z / 4});
    return m;
}

char Trennzeichen() { return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.'; }

}  // namespace

class TAnsichtenTest : public QObject {
    Q_OBJECT

private slots:
    void EckeAufDemBildschirm()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        TAnsicht3D ansicht(fenster.Szene, fenster.Schalter, fenster.Farben);

        // A point 0.5 m right of the zero point, seen from the left at 2 m: 0.1 m aft puts it
        // 3.732 * 0.1 / 2.5 of the half width right of the middle.
        ansicht.resize(400, 400);
        f.Betrachtungswinkel = {};
        f.AnsichtPosition = {0, 0, 2};
        f.Anstellwinkel = 0;
        const QPointF p = ansicht.Bildpunkt({0.1L, 0.5L, 0.0L});
        QVERIFY2(std::abs(p.x() - 229.8564) < 1e-3 && std::abs(p.y() - 200.0) < 1e-3,
                 qPrintable(QStringLiteral("%1 %2").arg(p.x()).arg(p.y())));

        // The leading left corner of the wing's left tip panel under several views.
        const TPAN& spitze = *f.Flaechen.Get(0)->Panelraster.Get(0, 0);
        const TPUNKT& e = spitze.Ecken[3];
        struct TFall {
            double wx, wy, alpha, abstand;
            int w, h;
        };
        for (const TFall& fall : {TFall{0, 0, 0, 3, 400, 300}, TFall{90, 0, 0, 6, 400, 300}, TFall{0, 90, 0, 5, 300, 500},
                                  TFall{30, 235, 3, 4.5, 640, 480}, TFall{-20, 10, -5, 2.5, 500, 500}}) {
            ansicht.resize(fall.w, fall.h);
            f.Betrachtungswinkel = {fall.wx, fall.wy, 0};
            f.AnsichtPosition = {0, 0, fall.abstand};
            f.Anstellwinkel = fall.alpha;
            const QPointF ist = ansicht.Bildpunkt({e.X, e.Y, e.Z});
            const QPointF soll = VonHand(double(e.X), double(e.Y), double(e.Z), fall.wx, fall.wy, fall.alpha, fall.abstand,
                                         fall.w, fall.h);
            QVERIFY2(std::abs(ist.x() - soll.x()) < 0.01 && std::abs(ist.y() - soll.y()) < 0.01,
                     qPrintable(QStringLiteral("%1,%2: %3 %4 statt %5 %6")
                                    .arg(fall.wx).arg(fall.wy).arg(ist.x()).arg(ist.y()).arg(soll.x()).arg(soll.y())));
        }
        fenster.Geaendert = false;
    }

    void KlickWaehltPanel()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.resize(1600, 1000);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        // From above, close to the root: the panels are many pixels wide.
        f.Betrachtungswinkel = {90, 0, 0};
        f.AnsichtPosition = {-0.1L, -0.3L, 1.2L};
        f.Anstellwinkel = 0;

        TFLAECHE& fluegel = *f.Flaechen.Get(0);
        TPAN* ziel = nullptr;
        for (const auto& p : fluegel.Gitterpanels) {
            const T3Vektor m = Mitte(*p);
            if (p->Spalte == 3 && m.y > 0.25L && m.y < 0.35L) ziel = p.get();
        }
        QVERIFY(ziel);
        TAnsicht3D* ansicht = fenster.Ansicht3D();
        const QPoint pixel = ansicht->Bildpunkt(Mitte(*ziel)).toPoint();
        QVERIFY(ansicht->rect().contains(pixel));
        QCOMPARE(ansicht->Auswahl3D(pixel), ziel);
        // Off the aircraft nothing is hit.
        QCOMPARE(ansicht->Auswahl3D(QPoint(2, 2)), static_cast<TPAN*>(nullptr));

        // In the edit mode a click makes the panel's surface and segment current.
        f.AktuelleFlaeche = 2;
        fluegel.AktuellesSegment = 0;
        QTest::mouseClick(ansicht, Qt::LeftButton, {}, pixel);
        QCOMPARE(f.AktuelleFlaeche, 2);  // rotating: a click picks nothing
        fenster.findChild<QAbstractButton*>(QStringLiteral("Bearbeiten"))->click();
        QVERIFY(fenster.Schalter.Bearbeiten && !fenster.Schalter.Rotieren);
        QTest::mouseClick(ansicht, Qt::LeftButton, {}, pixel);
        QCOMPARE(f.AktuelleFlaeche, 0);
        QCOMPARE(fluegel.AktuellesSegment, ziel->Segment);

        // A hidden surface cannot be picked.
        fluegel.Sichtbar = false;
        QVERIFY(ansicht->Auswahl3D(pixel) != ziel);
        fenster.Geaendert = false;
    }

    void DrehenUeber359()
    {
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        TAnsicht3D* ansicht = fenster.Ansicht3D();
        const auto ziehen = [ansicht](QPoint von, QPoint nach) {
            QTest::mousePress(ansicht, Qt::LeftButton, {}, von);
            QMouseEvent bewegung(QEvent::MouseMove, QPointF(nach), ansicht->mapToGlobal(QPointF(nach)), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(ansicht, &bewegung);
            QTest::mouseRelease(ansicht, Qt::LeftButton, {}, nach);
        };
        f.Betrachtungswinkel = {355, 3, 0};
        ziehen({50, 50}, {44, 60});  // dy = 10 turns about x past 359, dx = -6 about y below 0
        QVERIFY(f.Betrachtungswinkel.x == 0.0L);
        QVERIFY(f.Betrachtungswinkel.y == 359.0L);
        QCOMPARE(fenster.findChild<QLineEdit*>(QStringLiteral("BetrachtungX"))->text(), QStringLiteral("0") + QChar::fromLatin1(Trennzeichen()) + QStringLiteral("00000"));

        fenster.findChild<QAbstractButton*>(QStringLiteral("Zoomen"))->click();
        f.AnsichtPosition.z = 1.7L;
        ziehen({50, 50}, {50, 70});  // pulling down by 20 px comes nearer by 20 * 2 / 200
        QVERIFY(std::abs(double(f.AnsichtPosition.z) - 1.5) < 1e-12);
        fenster.Geaendert = false;
    }

    void MarkierungsbalkenZeigtStreifen()
    {
        THauptfenster fenster;
        fenster.Host.AutomatischeAntwort = KnopfOK;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        TDiagramm2D* d = fenster.Diagramm2D();
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        TFLAECHE& fl = *f.Flaechen.Get(0);

        // Without results the line names the strip and says so.
        const QString ohne = fenster.Informationszeile();
        QVERIFY2(ohne.endsWith(QStringLiteral("    ") + QString::fromStdString(fenster.Host.Ausgabetext(37))), qPrintable(ohne));

        fenster.BerechnungStarten();
        QVERIFY(fenster.Host.Flags.ErgebnisseGueltig);
        for (const char* knopf : {"Zirkulation", "CaLokal", "ReLokal"})
            fenster.findChild<QAbstractButton*>(QString::fromLatin1(knopf))->click();

        // The strip k of the results lies between the plan sections of its segment, in order.
        struct TStreifen {
            int Segment;
            double Y;
        };
        std::vector<TStreifen> streifen;
        for (int j = 0; j < fl.Segmente.Count(); ++j) {
            const auto& s = fl.Segmente.Get(j)->Grundrissschnitte;
            for (std::size_t i = 0; i + 1 < s.size(); ++i)
                streifen.push_back({j, double(s[i]->Punkt(0)->Y + s[i + 1]->Punkt(0)->Y) / 2.0});
        }
        QCOMPARE(int(streifen.size()), fl.Ergebnisraster.RowCount());
        const TPlan plan = d->PlanEinpassen(fl, d->width(), d->height());
        const char t = Trennzeichen();
        for (int k : {3, int(streifen.size()) / 2 + 1, int(streifen.size()) - 2}) {
            QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(plan.Pixel(0, streifen[k].Y).x(), d->height() / 2));
            QCOMPARE(d->Markierungsstreifen(), k);
            QCOMPARE(fl.AktuellesSegment, streifen[k].Segment);
            const auto wert = [&](int slot, int dez) {
                return QString::fromStdString(RealToText(fl.Ergebnisraster.Get(k, slot)->Wert, 0, dez, t));
            };
            const QString soll = QStringLiteral(" %1=%2 %3=%4 %5=%6 %7=%8")
                                     .arg(QString::fromStdString(fenster.Host.Ausgabetext(101)))
                                     .arg(k)
                                     .arg(QString::fromStdString(fenster.Host.Ausgabetext(102)), wert(SlotGamma, 5),
                                          QString::fromStdString(fenster.Host.Ausgabetext(103)), wert(SlotCa, 5),
                                          QString::fromStdString(fenster.Host.Ausgabetext(108)), wert(SlotRe, 0));
            const QString ist = fenster.Informationszeile();
            QVERIFY2(ist.startsWith(soll), qPrintable(ist + QStringLiteral(" | ") + soll));
        }

        // A click left of the surface puts the bar at the left tip.
        QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(1, d->height() / 2));
        QCOMPARE(d->Markierungsposition(), plan.SpannweiteMin);
        QCOMPARE(d->Markierungsstreifen(), 0);

        // The curves are drawn in their colours: circulation red, ca green, Re blue.
        const QImage bild = d->Bild(QSize(800, 400));
        int rot = 0, gruen = 0, blau = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                rot += c == fenster.Farben.GammaLinie;
                gruen += c == fenster.Farben.CaLinie;
                blau += c == fenster.Farben.ReLinie;
            }
        QVERIFY2(rot > 300 && gruen > 300 && blau > 300, qPrintable(QStringLiteral("%1 %2 %3").arg(rot).arg(gruen).arg(blau)));
        fenster.Geaendert = false;
    }

    void DreiDBildZeigtFlugzeug()
    {
        if (!TAnsicht3D::OpenGLVerfuegbar()) QSKIP("no OpenGL on this platform");
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        TFLUGZEUG& f = *fenster.Szene->Flugzeug;
        f.Betrachtungswinkel = {90, 0, 0};
        f.AnsichtPosition = {-0.5L, 0, 5};
        f.Anstellwinkel = 0;
        TAnsicht3D ansicht(fenster.Szene, fenster.Schalter, fenster.Farben);
        ansicht.resize(600, 400);
        const QImage bild = ansicht.Bild();
        QCOMPARE(bild.size(), QSize(600, 400) * ansicht.devicePixelRatioF());
        // Seen from above, the pixels of the aircraft fill the rectangle its corners project to,
        // and the picture outside it is background.
        QRectF umriss;
        for (int i = 0; i < f.Flaechen.Count(); ++i)
            for (const auto& p : f.Flaechen.Get(i)->Gitterpanels)
                for (const TPUNKT& e : p->Ecken) {
                    const QPointF q = ansicht.Bildpunkt({e.X, e.Y, e.Z});
                    umriss = umriss.isNull() ? QRectF(q, QSizeF(1, 1)) : umriss.united(QRectF(q, QSizeF(1, 1)));
                }
        int innen = 0, aussen = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 600; ++x) {
                const bool flugzeug = bild.pixelColor(x, y) != fenster.Farben.Hintergrund;
                if (umriss.adjusted(-2, -2, 2, 2).contains(x, y)) innen += flugzeug;
                else aussen += flugzeug;
            }
        QVERIFY2(innen > 5000 && aussen < 50, qPrintable(QStringLiteral("%1 %2").arg(innen).arg(aussen)));
        // The wing's left tip segment (the current one) is drawn in the marking colour.
        const QPointF spitze = ansicht.Bildpunkt(Mitte(*f.Flaechen.Get(0)->Panelraster.Get(0, 3)));
        const QColor c = bild.pixelColor(spitze.toPoint());
        QVERIFY2(c.blue() > c.red(), qPrintable(c.name()));
    }
};

QTEST_MAIN(TAnsichtenTest)
#include "test_Ansichten.moc"
