// The spanwise diagrams, drawn with QPainter into an image of the area's size: plan or panel grid,
// flaps, the curves of the strip results each on its own vertical scale, marks and the marker bar.
#include "ui/view/Diagramm2D.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

#include "common/Host.h"
#include "common/Mathe.h"
#include "common/Zahlentext.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_SEGMENT.h"
#include "profile/T_Profil.h"

namespace {

const TFLUGZEUG* FlugzeugVon(const TSZENE* s) { return s ? s->Flugzeug.get() : nullptr; }

TFLAECHE* AktuelleFlaeche(const TSZENE* s)
{
    const TFLUGZEUG* f = FlugzeugVon(s);
    return f ? f->Flaechen.Get(f->AktuelleFlaeche) : nullptr;
}

const TKoordinate& Erster(const TProfil& p) { return *p.Punkt(0); }
const TKoordinate& Letzter(const TProfil& p) { return *p.Punkt(p.Anzahl() - 1); }

/// A spanwise strip of the plan: between two consecutive plan sections of a segment.
struct TStreifen {
    int Segment = 0;
    const TProfil* Links = nullptr;
    const TProfil* Rechts = nullptr;
    double Y() const { return double(Erster(*Links).Y + Erster(*Rechts).Y) / 2.0; }
};

std::vector<TStreifen> Streifen(const TFLAECHE& fl)
{
    std::vector<TStreifen> s;
    for (int j = 0; j < fl.Segmente.Count(); ++j) {
        const auto& schnitte = fl.Segmente.Get(j)->Grundrissschnitte;
        for (std::size_t i = 0; i + 1 < schnitte.size(); ++i)
            if (schnitte[i]->Anzahl() > 0 && schnitte[i + 1]->Anzahl() > 0)
                s.push_back({j, schnitte[i].get(), schnitte[i + 1].get()});
    }
    return s;
}

/// The strip's value in a slot; 0 for an empty cell.
double Wert(const TFLAECHE& fl, int streifen, int slot)
{
    const TErgebnis* e = fl.Ergebnisraster.Get(streifen, slot);
    return e ? double(e->Wert) : 0.0;
}

/// The vertical scale of a curve: pixels per unit of the 1e-9 grid and the baseline pixel.
struct TSkala {
    double k = 0.0;
    int Basis = 0;
    int Pixel(double wert) const { return Basis - int(std::lround(wert * k)); }
};

/// Values on a grid of 1e-9 of their unit: the curves compare and plot these.
std::vector<double> Gerastert(const std::vector<double>& werte)
{
    std::vector<double> r;
    for (double w : werte) r.push_back(double(std::llround(w * 1e9)));
    return r;
}

/// Smallest and largest value of the smooth Catmull-Rom curve through the points (both start at 0).
std::pair<double, double> Extreme(const std::vector<double>& v)
{
    double vmin = 0.0, vmax = 0.0;
    if (v.empty()) return {vmin, vmax};
    std::vector<double> p;
    p.push_back(v.front());
    p.insert(p.end(), v.begin(), v.end());
    p.push_back(v.back());
    for (std::size_t i = 0; i + 3 < p.size(); ++i)
        for (int n = 0; n <= 10; ++n) {
            const double t = n / 10.0;
            const double w = 0.5 * (2.0 * p[i + 1] + (p[i + 2] - p[i]) * t +
                                    (2.0 * p[i] - 5.0 * p[i + 1] + 4.0 * p[i + 2] - p[i + 3]) * t * t +
                                    (-p[i] + 3.0 * p[i + 1] - 3.0 * p[i + 2] + p[i + 3]) * t * t * t);
            vmin = std::min(vmin, w);
            vmax = std::max(vmax, w);
        }
    return {vmin, vmax};
}

TSkala Skala(std::pair<double, double> extreme, int h)
{
    const double summe = std::abs(extreme.second) + std::abs(extreme.first);
    TSkala s;
    s.k = summe == 0.0 ? 0.0 : (h - 40) / summe;
    s.Basis = h - int(std::lround(std::abs(extreme.first) * s.k)) - 20;
    return s;
}

QPen Stift(const QColor& farbe, Qt::PenStyle stil)
{
    QPen p(farbe, 1, stil);
    return p;
}

/// Zero line and polyline of one curve over the strip positions.
void Kurve(QPainter& m, const TPlan& plan, const std::vector<double>& ys, const std::vector<double>& werte,
           const TSkala& s, const QPen& stift, bool nulllinie)
{
    m.setPen(stift);
    if (nulllinie) {
        QPen strich = stift;
        strich.setStyle(Qt::DashDotLine);
        m.setPen(strich);
        m.drawLine(plan.Pixel(0, plan.SpannweiteMin).x(), s.Basis, plan.Pixel(0, plan.SpannweiteMax).x(), s.Basis);
        m.setPen(stift);
    }
    QPolygon linie;
    for (std::size_t i = 0; i < werte.size(); ++i) linie << QPoint(plan.Pixel(0, ys[i]).x(), s.Pixel(werte[i]));
    m.drawPolyline(linie);
}

/// A mark of XD, XS or XN: a filled circle, a horizontal tick, a leader and its label.
void Zeichen(QPainter& m, QPoint mitte, const QColor& farbe, const QString& text, int typ)
{
    m.setPen(QPen(Qt::black, 1));
    m.setBrush(farbe);
    m.drawEllipse(mitte, 6, 6);
    m.setBrush(Qt::NoBrush);
    m.drawLine(mitte.x() - 9, mitte.y(), mitte.x() + 9, mitte.y());
    const int dx = (typ == 1 || typ == 3) ? 20 : -20;
    const int dy = (typ == 0 || typ == 1) ? -20 : 20;
    const QPoint ende = mitte + QPoint(dx, dy);
    m.drawLine(mitte, ende);
    const QRect r = m.fontMetrics().boundingRect(text);
    m.drawText(QPoint(dx > 0 ? ende.x() + 2 : ende.x() - r.width() - 2, dy > 0 ? ende.y() + r.height() : ende.y()), text);
}

}  // namespace

QPoint TPlan::Pixel(double x, double y) const
{
    return {Ursprung.x() + int(std::lround(y * Massstab)), Ursprung.y() + int(std::lround(x * Massstab))};
}

TDiagramm2D::TDiagramm2D(const std::unique_ptr<TSZENE>& szene, const TSchalter& schalter, const TZeichenfarben& farben,
                         const THost& host, QWidget* parent)
    : QWidget(parent), szene_(szene), schalter_(schalter), farben_(farben), host_(host)
{
    setObjectName(QStringLiteral("Diagramm2D"));
    setMinimumSize(200, 150);
    setMouseTracking(false);
}

TPlan TDiagramm2D::PlanEinpassen(const TFLAECHE& fl, int w, int h) const
{
    TPlan p;
    for (int j = 0; j < fl.Segmente.Count(); ++j)
        for (const auto& schnitt : fl.Segmente.Get(j)->Grundrissschnitte) {
            if (schnitt->Anzahl() == 0) continue;
            for (const TKoordinate& k : schnitt->Punkte()) p.TiefeMin = std::min(p.TiefeMin, double(k.X));
            p.TiefeMax = std::max(p.TiefeMax, double(Erster(*schnitt).X));
            p.SpannweiteMin = std::min(p.SpannweiteMin, double(Erster(*schnitt).Y));
            p.SpannweiteMax = std::max(p.SpannweiteMax, double(Erster(*schnitt).Y));
        }
    const double breite = std::abs(p.SpannweiteMax) + std::abs(p.SpannweiteMin);
    const double tiefe = std::abs(p.TiefeMax) + std::abs(p.TiefeMin);
    const int rand = fl.Rand2D;
    // A plan without extent in one direction is fitted by the other alone.
    const double sy = breite > 0.0 ? (w - 2 * rand) / breite : HUGE_VAL;
    const double sx = tiefe > 0.0 ? (h - 2 * rand) / tiefe : HUGE_VAL;
    double s = std::min(sx, sy);
    if (!std::isfinite(s) || s < 0.0) s = 0.0;
    p.Massstab = std::round(s) * double(fl.Zoom2D);
    const int wp = int(std::lround(breite * p.Massstab));
    const int hp = int(std::lround(tiefe * p.Massstab));
    const int mx = (w - wp) / 2;
    const int my = (h - hp) / 2;
    p.Ursprung = QPoint(int(std::lround(std::abs(p.SpannweiteMin) * p.Massstab)) + mx + fl.Verschiebung2D.x,
                        int(std::lround(std::abs(p.TiefeMin) * p.Massstab)) + my + fl.Verschiebung2D.y);
    return p;
}

void TDiagramm2D::MarkierungAufSegment()
{
    const TFLAECHE* fl = AktuelleFlaeche(szene_.get());
    if (!fl) return;
    const TSEGMENT* s = fl->Segmente.Get(fl->AktuellesSegment);
    if (!s || s->Grundrissschnitte.empty() || s->Grundrissschnitte.front()->Anzahl() == 0 ||
        s->Grundrissschnitte.back()->Anzahl() == 0) return;
    markierung_ = double(Erster(*s->Grundrissschnitte.front()).Y + Erster(*s->Grundrissschnitte.back()).Y) / 2.0;
    const TPlan plan = PlanEinpassen(*fl, width(), height());
    mauspunkt_ = QPoint(plan.Pixel(0, markierung_).x(), height() / 2);
    update();
}

void TDiagramm2D::MarkierungSetzen(double y)
{
    TFLAECHE* fl = AktuelleFlaeche(szene_.get());
    if (!fl) return;
    TPlan plan = PlanEinpassen(*fl, width(), height());
    markierung_ = std::clamp(y, plan.SpannweiteMin, plan.SpannweiteMax);
    // A marker outside the area pulls the plan along until it lies a margin inside the edge.
    const int x = plan.Pixel(0, markierung_).x();
    if (x < 0) fl->Verschiebung2D.x += fl->Rand2D - x;
    else if (x >= width()) fl->Verschiebung2D.x -= x - (width() - 1 - fl->Rand2D);
    plan = PlanEinpassen(*fl, width(), height());
    mauspunkt_ = QPoint(plan.Pixel(0, markierung_).x(), mauspunkt_.y());
    update();
}

int TDiagramm2D::Markierungsstreifen() const
{
    const TFLAECHE* fl = AktuelleFlaeche(szene_.get());
    if (!fl) return -1;
    const std::vector<TStreifen> s = Streifen(*fl);
    int naechster = -1;
    double abstand = HUGE_VAL;
    for (std::size_t k = 0; k < s.size(); ++k) {
        const double a = double(Erster(*s[k].Links).Y), b = double(Erster(*s[k].Rechts).Y);
        if (markierung_ >= std::min(a, b) && markierung_ <= std::max(a, b)) return int(k);
        const double d = std::abs(s[k].Y() - markierung_);
        if (d < abstand) {
            abstand = d;
            naechster = int(k);
        }
    }
    return naechster;
}

QString TDiagramm2D::Informationszeile() const
{
    const TFLAECHE* fl = AktuelleFlaeche(szene_.get());
    const TFLUGZEUG* f = FlugzeugVon(szene_.get());
    if (!fl || !f) return {};
    const char trenn = QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    const auto text = [this](int n) { return QString::fromStdString(host_.Ausgabetext(n)); };
    const auto zahl = [trenn](double w, int dez) { return QString::fromStdString(RealToText(w, 0, dez, trenn)); };
    const int k = Markierungsstreifen();
    QString z = QStringLiteral(" ") + text(101) + QStringLiteral("=") + QString::number(k);
    if (!host_.Flags.ErgebnisseGueltig) return z + QStringLiteral("    ") + text(37);
    const auto wert = [&](bool an, int nr, double w, int dez, const QString& einheit = {}) {
        if (an) z += QStringLiteral(" ") + text(nr) + QStringLiteral("=") + zahl(w, dez) + einheit;
    };
    wert(schalter_.GammaLokal, 102, Wert(*fl, k, SlotGamma), 5);
    wert(schalter_.CaLokal, 103, Wert(*fl, k, SlotCa), 5);
    wert(schalter_.CwiLokal, 104, Wert(*fl, k, SlotCwi), 5);
    wert(schalter_.CwvLokal, 105, Wert(*fl, k, SlotCwv), 5);
    wert(schalter_.CwgLokal, 106, Wert(*fl, k, SlotCwv) + Wert(*fl, k, SlotCwi), 5);
    wert(schalter_.AiLokal, 107, Wert(*fl, k, SlotAi), 5, QStringLiteral("°"));
    wert(schalter_.ReLokal, 108, Wert(*fl, k, SlotRe), 0);
    if (Wert(*fl, k, SlotAbrissOben) == 1.0) z += QStringLiteral("    ") + text(81);
    if (Wert(*fl, k, SlotAbrissUnten) == 1.0) z += QStringLiteral("    ") + text(82);
    if (!(f->Stabilitaetsmass > 0.0L)) z += QStringLiteral("    ") + text(38);
    if (f->AuslegungsCa < 0.0L) z += QStringLiteral("    ") + text(83);
    return z;
}

QImage TDiagramm2D::Bild(QSize groesse) const
{
    const int w = groesse.width(), h = groesse.height();
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(farben_.Hintergrund);
    const TFLUGZEUG* f = FlugzeugVon(szene_.get());
    const TFLAECHE* fl = AktuelleFlaeche(szene_.get());
    if (!f || !fl) return bild;
    QPainter m(&bild);
    const TPlan plan = PlanEinpassen(*fl, w, h);
    const QColor invers = farben_.InversHintergrund();

    // The outline of a surface's plan, shifted by its position against the current surface.
    const auto umriss = [&](const TFLAECHE& flaeche, double dx, double dy) {
        bool erster = true;
        for (int j = 0; j < flaeche.Segmente.Count(); ++j) {
            const auto& sn = flaeche.Segmente.Get(j)->Grundrissschnitte;
            for (std::size_t i = 0; i < sn.size(); ++i) {
                const TProfil& p = *sn[i];
                if (p.Anzahl() == 0) continue;
                const auto px = [&](const TKoordinate& k) { return plan.Pixel(double(k.X) + dx, double(k.Y) + dy); };
                if (erster || i + 1 == sn.size()) {
                    QPolygon schnitt;
                    for (const TKoordinate& k : p.Punkte()) schnitt << px(k);
                    m.drawPolyline(schnitt);
                }
                erster = false;
                if (i + 1 < sn.size() && sn[i + 1]->Anzahl() > 0) {
                    m.drawLine(px(Erster(p)), px(Erster(*sn[i + 1])));
                    m.drawLine(px(Letzter(p)), px(Letzter(*sn[i + 1])));
                }
            }
        }
    };

    if (schalter_.GesamtFlugzeugDarstellung) {
        m.setPen(QColor(192, 192, 192));
        for (int i = 0; i < f->Flaechen.Count(); ++i) {
            const TFLAECHE& andere = *f->Flaechen.Get(i);
            umriss(andere, double(andere.Position.x - fl->Position.x), double(andere.Position.y - fl->Position.y));
        }
    }

    // The flaps: the area behind the hinge, tinted in its group's colour, and the hinge line.
    const auto klappenpunkt = [](const TProfil& p, double prozent) {
        const double x = double(Erster(p).X), nase = double(Letzter(p).X);
        return std::pair{x - prozent / 100.0 * (x - nase), double(Erster(p).Y)};
    };
    for (int j = 0; j < fl->Segmente.Count(); ++j) {
        const TSEGMENT& s = *fl->Segmente.Get(j);
        const auto& sn = s.Grundrissschnitte;
        if (sn.size() < 2 || sn.front()->Anzahl() == 0 || sn.back()->Anzahl() == 0) continue;
        if (s.KlappentiefeLinks <= 0.0L && s.KlappentiefeRechts <= 0.0L) continue;
        const auto [x0, y0] = klappenpunkt(*sn.front(), double(s.KlappentiefeLinks));
        const auto [x1, y1] = klappenpunkt(*sn.back(), double(s.KlappentiefeRechts));
        const QPoint a = plan.Pixel(x0, y0), b = plan.Pixel(x1, y1);
        QColor farbe = farben_.Klappengruppen[std::clamp(s.Klappengruppe, 0, 99)];
        m.setPen(farbe);
        farbe.setAlpha(50);
        m.setBrush(farbe);
        m.drawPolygon(QPolygon{plan.Pixel(double(Erster(*sn.front()).X), double(Erster(*sn.front()).Y)),
                               plan.Pixel(double(Erster(*sn.back()).X), double(Erster(*sn.back()).Y)), b, a});
        m.setBrush(Qt::NoBrush);
        m.setPen(j == fl->AktuellesSegment ? farben_.Markierung : farben_.Panel);
        m.drawLine(a, b);
    }

    // Plan outline or panel grid, the current segment in the marking colour.
    for (int j = 0; j < fl->Segmente.Count(); ++j) {
        const auto& sn = fl->Segmente.Get(j)->Grundrissschnitte;
        m.setPen(j == fl->AktuellesSegment ? farben_.Markierung : farben_.Panel);
        for (std::size_t i = 0; i < sn.size(); ++i) {
            const TProfil& p = *sn[i];
            if (p.Anzahl() == 0) continue;
            const auto px = [&](const TKoordinate& k) { return plan.Pixel(double(k.X), double(k.Y)); };
            const bool naechster = i + 1 < sn.size() && sn[i + 1]->Anzahl() > 0;
            if (Panelgitter) {
                QPolygon schnitt;
                for (const TKoordinate& k : p.Punkte()) schnitt << px(k);
                m.drawPolyline(schnitt);
                if (naechster)
                    for (int n = 0; n < std::min(p.Anzahl(), sn[i + 1]->Anzahl()); ++n)
                        m.drawLine(px(*p.Punkt(n)), px(*sn[i + 1]->Punkt(n)));
            } else {
                if ((j == 0 && i == 0) || i + 1 == sn.size()) {
                    QPolygon schnitt;
                    for (const TKoordinate& k : p.Punkte()) schnitt << px(k);
                    m.drawPolyline(schnitt);
                }
                if (naechster) {
                    m.drawLine(px(Erster(p)), px(Erster(*sn[i + 1])));
                    m.drawLine(px(Letzter(p)), px(Letzter(*sn[i + 1])));
                }
            }
        }
    }
    m.setPen(QPen(invers, 1, Qt::DashDotLine));
    m.drawLine(plan.Ursprung.x(), 10, plan.Ursprung.x(), h - 10);
    m.setPen(QPen(invers, 1, Qt::DotLine));
    for (int j = 0; j < fl->Segmente.Count(); ++j) {
        const auto& sn = fl->Segmente.Get(j)->Grundrissschnitte;
        if (sn.empty() || sn.front()->Anzahl() == 0 || sn.back()->Anzahl() == 0) continue;
        const auto viertel = [&](const TProfil& p) {
            const double nase = double(Letzter(p).X);
            return plan.Pixel(nase + 0.25 * (double(Erster(p).X) - nase), double(Letzter(p).Y));
        };
        m.drawLine(viertel(*sn.front()), viertel(*sn.back()));
    }

    // The curves of the strip results.
    const std::vector<TStreifen> streifen = Streifen(*fl);
    std::vector<double> ys;
    for (const TStreifen& s : streifen) ys.push_back(s.Y());
    const bool gueltig = host_.Flags.ErgebnisseGueltig;
    const bool profil = gueltig && host_.Flags.ProfilauswertungGueltig;
    const auto reihe = [&](auto wert) {
        std::vector<double> v;
        for (std::size_t k = 0; k < streifen.size(); ++k) v.push_back(wert(int(k)));
        return Gerastert(v);
    };
    const auto slot = [&](int nr) { return reihe([&](int k) { return Wert(*fl, k, nr); }); };
    if (gueltig && !streifen.empty()) {
        if (schalter_.CaLokal && profil) {
            // ca and its limits share one scale, so that a crossing shows where the strip stalls.
            const std::vector<double> ca = slot(SlotCa), caMax = slot(SlotCaMax), caMin = slot(SlotCaMin);
            auto [lo, hi] = Extreme(ca);
            if (schalter_.CaLokalMinMax)
                for (const auto* v : {&caMax, &caMin}) {
                    const auto [a, b] = Extreme(*v);
                    lo = std::min(lo, a);
                    hi = std::max(hi, b);
                }
            const TSkala s = Skala({lo, hi}, h);
            if (schalter_.CaLokalMinMax) {
                Kurve(m, plan, ys, caMax, s, Stift(farben_.CaMaxLinie, Qt::DotLine), false);
                Kurve(m, plan, ys, caMin, s, Stift(farben_.CaMaxLinie, Qt::DotLine), false);
                m.setPen(Qt::NoPen);
                m.setBrush(farben_.Stroemungsabriss);
                for (std::size_t k = 0; k < streifen.size(); ++k) {
                    const bool oben = ca[k] > caMax[k] && caMax[k] > 0.0;
                    const bool unten = ca[k] < caMin[k] && caMin[k] < 0.0;
                    if (!oben && !unten) continue;
                    const double halb = Wert(*fl, int(k), SlotStreifenbreite) / 2.0;
                    const int x0 = plan.Pixel(0, ys[k] - halb).x(), x1 = plan.Pixel(0, ys[k] + halb).x();
                    const int y0 = s.Pixel(ca[k]), y1 = s.Pixel(oben ? caMax[k] : caMin[k]);
                    m.drawRect(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
                                     QPoint(std::max(x0, x1), std::max(y0, y1) + 1)));
                }
                m.setBrush(Qt::NoBrush);
            }
            Kurve(m, plan, ys, ca, s, Stift(farben_.CaLinie, Qt::SolidLine), true);
        }
        if (schalter_.GammaLokal) {
            const std::vector<double> gamma = slot(SlotGamma);
            const TSkala s = Skala(Extreme(gamma), h);
            Kurve(m, plan, ys, gamma, s, Stift(farben_.GammaLinie, Qt::SolidLine), true);
            if (schalter_.GammaVorgabe) {
                // The prescribed shape sin^p over the span, scaled to the computed circulation.
                double ymin = 1e10, ymax = -1e10;
                for (const TStreifen& st : streifen)
                    for (const TProfil* p : {st.Links, st.Rechts}) {
                        ymin = std::min(ymin, double(Erster(*p).Y));
                        ymax = std::max(ymax, double(Erster(*p).Y));
                    }
                const double c = (ymin + ymax) / 2.0, halb = (std::abs(ymin) + std::abs(ymax)) / 2.0;
                const Extended pot = fl->Zirkulationsvorgabe;
                std::vector<double> hy, hg;
                for (int i = 0; i <= 51; ++i) {
                    const double phi = M_PI - i * M_PI / 50.0;
                    hy.push_back(c + halb * std::cos(phi));
                    hg.push_back(double(Potenz(std::sin(phi), pot)));
                }
                double a = 0.0;
                if (schalter_.GammaVorgabeIntegral) {
                    double summe = 0.0, integral = 0.0;
                    for (std::size_t k = 0; k < streifen.size(); ++k)
                        summe += Wert(*fl, int(k), SlotGamma) * Wert(*fl, int(k), SlotStreifenbreite);
                    for (int i = 0; i < 51; ++i) integral += (hg[i] + hg[i + 1]) / 2.0 * (hy[i + 1] - hy[i]);
                    a = integral != 0.0 ? summe / integral : 0.0;
                } else {
                    for (std::size_t k = 0; k < streifen.size(); ++k) {
                        const double y0 = double(Erster(*streifen[k].Links).Y), y1 = double(Erster(*streifen[k].Rechts).Y);
                        if (c >= std::min(y0, y1) && c <= std::max(y0, y1)) {
                            a = Wert(*fl, int(k), SlotGamma);
                            break;
                        }
                    }
                }
                QPolygon hilfe;
                for (int i = 0; i <= 50; ++i)
                    hilfe << QPoint(plan.Pixel(0, hy[i]).x(), s.Pixel(double(std::llround(a * hg[i] * 1e9))));
                m.setPen(Stift(farben_.GammaVorgabeLinie, Qt::DotLine));
                m.drawPolyline(hilfe);
            }
        }
        const auto einfach = [&](bool an, const std::vector<double>& werte, const QColor& farbe, Qt::PenStyle stil,
                                 bool nulllinie) {
            if (an) Kurve(m, plan, ys, werte, Skala(Extreme(werte), h), Stift(farbe, stil), nulllinie);
        };
        einfach(schalter_.CwiLokal, slot(SlotCwi), farben_.CwiLinie, Qt::SolidLine, true);
        if (profil) {
            einfach(schalter_.CwvLokal, slot(SlotCwv), farben_.CwvLinie, Qt::SolidLine, true);
            if (schalter_.CwgLokal)
                einfach(true, reihe([&](int k) { return Wert(*fl, k, SlotCwv) + Wert(*fl, k, SlotCwi); }),
                        farben_.CwgLinie, Qt::SolidLine, true);
        }
        einfach(schalter_.AiLokal, slot(SlotAi), farben_.AiLinie, Qt::DashDotLine, false);
        einfach(schalter_.ReLokal, slot(SlotRe), farben_.ReLinie, Qt::SolidLine, true);
    }

    // The marker bar, and the local lift direction in the y-z plane above it.
    const double pos = std::clamp(markierung_, plan.SpannweiteMin, plan.SpannweiteMax);
    const int mx = plan.Pixel(0, pos).x();
    m.setPen(QPen(QColor(176, 176, 176), 1));
    m.drawLine(mx, 0, mx, h);
    if (farben_.MarkierungsbalkenAlsKreuz) m.drawLine(0, mauspunkt_.y(), w, mauspunkt_.y());
    const int ms = Markierungsstreifen();
    if (gueltig && ms >= 0) {
        const TErgebnis* n = fl->Ergebnisraster.Get(ms, SlotStreifennormale);
        const double gamma = Wert(*fl, ms, SlotGamma);
        if (n && RoundReal(5, gamma) != 0.0L) {
            const T3Vektor v = Vektorskalierung(gamma, n->Vektor);
            const Extended betrag = Vektorbetrag(v);
            if (betrag > 0.0L) {
                const double ny = double(v.y / betrag), nz = double(v.z / betrag);
                const QPointF start(mx, 50), spitze(mx + 10 * ny, 50 - 10 * nz), schwanz(mx - 10 * ny, 50 + 10 * nz);
                m.setPen(QPen(Qt::black, 1));
                m.drawLine(schwanz, spitze);
                const double winkel = std::atan2(spitze.y() - start.y(), spitze.x() - start.x());
                for (double d : {150.0, -150.0}) {
                    const double a = winkel + d * M_PI / 180.0;
                    m.drawLine(spitze, spitze + QPointF(10 * std::cos(a), 10 * std::sin(a)));
                }
            }
        }
    }

    if (schalter_.KlappenwinkelAusgabe) {
        for (int j = 0; j < fl->Segmente.Count(); ++j) {
            const TSEGMENT& s = *fl->Segmente.Get(j);
            const auto& sn = s.Grundrissschnitte;
            if (sn.size() < 2 || sn.front()->Anzahl() == 0 || sn.back()->Anzahl() == 0) continue;
            if (!(RoundReal(5, s.KlappentiefeLinks) > 0.0L || RoundReal(5, s.KlappentiefeRechts) > 0.0L)) continue;
            const auto [xa, ya] = klappenpunkt(*sn.front(), double(s.KlappentiefeLinks));
            const auto [xb, yb] = klappenpunkt(*sn.back(), double(s.KlappentiefeRechts));
            const double mitteX = ((xa + double(Erster(*sn.front()).X)) / 2.0 + (xb + double(Erster(*sn.back()).X)) / 2.0) / 2.0;
            const QPoint mitte(plan.Pixel(0, ya).x() / 2 + plan.Pixel(0, yb).x() / 2, plan.Pixel(mitteX, 0).y());
            const double winkel = double(s.Klappeninverse ? -s.Klappenausschlag : s.Klappenausschlag);
            const QString text = QLocale().toString(winkel, 'g', 15) + QStringLiteral("°");
            QRect r = m.fontMetrics().boundingRect(text);
            r.moveCenter(mitte);
            m.fillRect(r, Qt::white);
            m.setPen(Qt::black);
            m.drawText(r, Qt::AlignCenter, text);
        }
    }

    if (gueltig) {
        // The leaders point away from each other: their directions follow the order of the marks.
        const bool q1 = f->SchwerpunktX <= f->Neutralpunkt;
        const bool q2 = RoundReal(4, f->AuftriebspunktY) >= 0.0L;
        const int fall = (q1 ? 0 : 2) + (q2 ? 0 : 1);
        constexpr std::array<int, 4> xd{1, 0, 3, 2}, xs{3, 2, 1, 0}, xn{2, 3, 0, 1};
        const double px = double(fl->Position.x), py = double(fl->Position.y);
        const auto text = [this](int n) { return QString::fromStdString(host_.Ausgabetext(n)); };
        if (schalter_.XD)
            Zeichen(m, plan.Pixel(double(f->SchwerpunktX) - px, double(f->AuftriebspunktY) - py), QColor(232, 184, 38),
                    text(98), xd[fall]);
        if (schalter_.XS)
            Zeichen(m, plan.Pixel(double(f->SchwerpunktX) - px, -py), QColor(255, 128, 255), text(99), xs[fall]);
        if (schalter_.XN)
            Zeichen(m, plan.Pixel(double(f->Neutralpunkt) - px, -py), QColor(0, 255, 255), text(100), xn[fall]);
    }

    if (f->Schiebewinkel != 0.0L) {
        const QString text = QString::fromStdString(host_.Ausgabetext(85));
        QRect r = m.fontMetrics().boundingRect(text);
        r.moveBottomRight(QPoint(w - 5, h - 5));
        m.fillRect(r, Qt::white);
        m.setPen(QColor(255, 0, 0));
        m.drawText(r, Qt::AlignCenter, text);
    }

    if (schalter_.Blasenwarnung && profil) {
        for (std::size_t k = 0; k < streifen.size(); ++k) {
            const double x = double(Letzter(*streifen[k].Links).X + Letzter(*streifen[k].Rechts).X) / 2.0;
            const QPoint p = plan.Pixel(x, ys[k]);
            if (Wert(*fl, int(k), SlotBlaseOben) == 1.0) {
                m.setPen(farben_.BlasenwarnungOben);
                m.drawPolygon(QPolygon{p + QPoint(-2, -5), p + QPoint(2, -5), p + QPoint(0, -11)});
            }
            if (Wert(*fl, int(k), SlotBlaseUnten) == 1.0) {
                m.setPen(farben_.BlasenwarnungUnten);
                m.drawPolygon(QPolygon{p + QPoint(-2, -11), p + QPoint(2, -11), p + QPoint(0, -5)});
            }
        }
    }
    return bild;
}

void TDiagramm2D::paintEvent(QPaintEvent*)
{
    QPainter m(this);
    m.drawImage(0, 0, Bild(size()));
}

void TDiagramm2D::Klick(QPoint pixel)
{
    const TFLAECHE* fl = AktuelleFlaeche(szene_.get());
    if (!fl) return;
    mauspunkt_ = pixel;
    const TPlan plan = PlanEinpassen(*fl, width(), height());
    if (plan.Massstab <= 0.0) return;
    markierung_ = std::clamp((pixel.x() - plan.Ursprung.x()) / plan.Massstab, plan.SpannweiteMin, plan.SpannweiteMax);
    const int k = Markierungsstreifen();
    const std::vector<TStreifen> s = Streifen(*fl);
    update();
    if (k >= 0) emit SegmentGewaehlt(s[k].Segment);
}

void TDiagramm2D::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) Klick(e->position().toPoint());
}

void TDiagramm2D::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton) Klick(e->position().toPoint());
}

void TDiagramm2D::mouseDoubleClickEvent(QMouseEvent*) { emit FluegelZeigen(); }
