// The polar chart: axes with rounded ticks, the curves of the checked groups, the markers of each
// point by its warnings, the picked point, the crosshair, picking and zooming by mouse.
#include "ui/polar/Polardiagramm.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "results/Polarliste.h"

const std::array<TPolargroesse, PolargroessenAnzahl> Polargroessen{{
    {"Alfa [°]", 0, 127}, {"CA", 5, 128}, {"CW", 6, 129}, {"v [m/s]", 7, 130}, {"vs [m/s]", 8, 131}, {"E", 9, 132},
    {"e", 10, 133}, {"Gleitw. [°]", 11, 134}, {"XS [m]", 12, 135}, {"Stabi [%]", 13, 136}, {"XN [m]", 14, 138},
    {"W [N]", 15, 139},
}};

namespace {

/// The chart draws one series per group index 0..99.
constexpr int Serienzahl = 100;

/// A tick step of 1, 2 or 5 times a power of ten that divides `spanne` into about `teile` parts.
double Schrittweite(double spanne, int teile)
{
    const double roh = spanne / teile;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * zehner >= roh) return m * zehner;
    return 10.0 * zehner;
}

bool Gezeichnet(const TPolargruppe& g, int index) { return g.Sichtbar && index < Serienzahl; }

}  // namespace

TPolardiagramm::TPolardiagramm(const TPolarliste& liste, const std::array<QColor, 100>& farben, QWidget* parent)
    : QWidget(parent), liste_(liste), farben_(farben)
{
    setObjectName(QStringLiteral("Polardiagramm"));
    setMouseTracking(true);
    setMinimumSize(400, 300);
    setAutoFillBackground(false);
}

double TPolardiagramm::Wert(const TPolarzeile& z, int groesse) const { return Polarwert(z, Polargroessen[groesse].Wert); }

int TPolardiagramm::SichtbareGruppen() const
{
    int n = 0;
    for (int i = 0; i < liste_.Count(); ++i) n += Gezeichnet(*liste_.Get(i), i) ? 1 : 0;
    return n;
}

QRectF TPolardiagramm::Plotbereich() const
{
    const QFontMetrics fm(font());
    return QRectF(QPointF(fm.horizontalAdvance(QStringLiteral("-0.000000")) + 14, fm.height() * 2),
                  QPointF(width() - 16, height() - fm.height() * 3));
}

QPointF TPolardiagramm::Bildpunkt(double x, double y) const
{
    const QRectF p = Plotbereich();
    return {p.left() + (x - bereich_.left()) / bereich_.width() * p.width(),
            p.bottom() - (y - bereich_.top()) / bereich_.height() * p.height()};
}

QPointF TPolardiagramm::Wertepunkt(QPointF pixel) const
{
    const QRectF p = Plotbereich();
    return {bereich_.left() + (pixel.x() - p.left()) / p.width() * bereich_.width(),
            bereich_.top() + (p.bottom() - pixel.y()) / p.height() * bereich_.height()};
}

std::pair<int, int> TPolardiagramm::Treffer(QPoint pixel) const
{
    std::pair<int, int> treffer{-1, -1};
    for (int i = 0; i < liste_.Count(); ++i) {
        const TPolargruppe& g = *liste_.Get(i);
        if (!Gezeichnet(g, i)) continue;
        for (int r = 0; r < static_cast<int>(g.Zeilen.size()); ++r) {
            const QPointF b = Bildpunkt(Wert(g.Zeilen[r], X), Wert(g.Zeilen[r], Y));
            if (std::abs(b.x() - pixel.x()) <= 4.0 && std::abs(b.y() - pixel.y()) <= 6.0) treffer = {i, r};
        }
    }
    return treffer;
}

QRectF TPolardiagramm::Datenbereich() const
{
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    bool erster = true;
    for (int i = 0; i < liste_.Count(); ++i) {
        const TPolargruppe& g = *liste_.Get(i);
        if (!Gezeichnet(g, i)) continue;
        for (const TPolarzeile& z : g.Zeilen) {
            const double x = Wert(z, X), y = Wert(z, Y);
            if (!std::isfinite(x) || !std::isfinite(y)) continue;
            if (erster) {
                x0 = x1 = x;
                y0 = y1 = y;
                erster = false;
            }
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
    }
    // A lone value gets a unit range about it, so the axis can still be drawn.
    if (x1 - x0 <= 1e-12 * std::max(1.0, std::abs(x0))) x0 -= 0.5, x1 += 0.5;
    if (y1 - y0 <= 1e-12 * std::max(1.0, std::abs(y0))) y0 -= 0.5, y1 += 0.5;
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

void TPolardiagramm::ZoomZuruecksetzen()
{
    bereich_ = Datenbereich();
    if (liste_.Count() > 0) Zoomen(0.9);
    update();
}

void TPolardiagramm::Zoomen(double faktor)
{
    const QPointF mitte = bereich_.center();
    const double w = bereich_.width() / faktor, h = bereich_.height() / faktor;
    bereich_ = QRectF(mitte.x() - w / 2, mitte.y() - h / 2, w, h);
    update();
}

QImage TPolardiagramm::Bild()
{
    QImage bild(size(), QImage::Format_RGB32);
    render(&bild);
    return bild;
}

void TPolardiagramm::Achsen(QPainter& p) const
{
    const QRectF r = Plotbereich();
    const QFontMetrics fm(font());
    const QLocale ort;
    p.setPen(QColor(0, 0, 0));
    p.drawRect(r);
    const double sx = Schrittweite(bereich_.width(), std::max(2, static_cast<int>(r.width() / 90)));
    const double sy = Schrittweite(bereich_.height(), std::max(2, static_cast<int>(r.height() / 45)));
    const auto text = [&ort](double v, double schritt) {
        const int dezimalen = std::clamp(static_cast<int>(-std::floor(std::log10(schritt))), 0, 6);
        return ort.toString(std::abs(v) < schritt * 1e-9 ? 0.0 : v, 'f', dezimalen);
    };
    const QColor raster(225, 225, 225);
    for (double v = std::ceil(bereich_.left() / sx) * sx; v <= bereich_.right() + sx * 1e-9; v += sx) {
        const double x = Bildpunkt(v, 0).x();
        p.setPen(raster);
        p.drawLine(QPointF(x, r.top() + 1), QPointF(x, r.bottom() - 1));
        p.setPen(QColor(0, 0, 0));
        p.drawLine(QPointF(x, r.bottom()), QPointF(x, r.bottom() + 4));
        const QString t = text(v, sx);
        p.drawText(QPointF(x - fm.horizontalAdvance(t) / 2.0, r.bottom() + 4 + fm.ascent()), t);
    }
    for (double v = std::ceil(bereich_.top() / sy) * sy; v <= bereich_.bottom() + sy * 1e-9; v += sy) {
        const double y = Bildpunkt(0, v).y();
        p.setPen(raster);
        p.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
        p.setPen(QColor(0, 0, 0));
        p.drawLine(QPointF(r.left() - 4, y), QPointF(r.left(), y));
        const QString t = text(v, sy);
        p.drawText(QPointF(r.left() - 6 - fm.horizontalAdvance(t), y + fm.ascent() / 2.0 - 1), t);
    }
    // The bottom title under the middle of the axis, the left title horizontal above its axis.
    QFont fett = font();
    fett.setBold(true);
    p.setFont(fett);
    const QFontMetrics ff(fett);
    p.drawText(QPointF(r.center().x() - ff.horizontalAdvance(XTitel) / 2.0, height() - ff.descent() - 4), XTitel);
    p.drawText(QPointF(std::max(2.0, r.left() - ff.horizontalAdvance(YTitel) / 2.0), r.top() - ff.descent() - 6), YTitel);
    p.setFont(font());
}

void TPolardiagramm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 255, 255));
    Achsen(p);
    const QRectF r = Plotbereich();

    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.setClipRect(r);
    for (int i = 0; i < liste_.Count(); ++i) {
        const TPolargruppe& g = *liste_.Get(i);
        if (!Gezeichnet(g, i) || g.Zeilen.empty()) continue;
        QPainterPath kurve;
        for (std::size_t k = 0; k < g.Zeilen.size(); ++k) {
            const QPointF b = Bildpunkt(Wert(g.Zeilen[k], X), Wert(g.Zeilen[k], Y));
            if (k == 0) kurve.moveTo(b);
            else kurve.lineTo(b);
        }
        p.setPen(QPen(farben_[i], 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(kurve);
    }
    p.restore();

    // After the curves: crosshair, the picked point and each point's marker by its warnings.
    if (Fadenkreuz) {
        maus_.setX(std::clamp(maus_.x(), static_cast<int>(r.left()), static_cast<int>(r.right())));
        maus_.setY(std::clamp(maus_.y(), static_cast<int>(r.top()), static_cast<int>(r.bottom())));
        p.setPen(QColor(0, 0, 0));
        p.drawLine(QPointF(r.left(), maus_.y()), QPointF(r.right(), maus_.y()));
        p.drawLine(QPointF(maus_.x(), r.top()), QPointF(maus_.x(), r.bottom()));
    }
    for (int i = 0; i < liste_.Count(); ++i) {
        const TPolargruppe& g = *liste_.Get(i);
        if (!Gezeichnet(g, i)) continue;
        for (int k = 0; k < static_cast<int>(g.Zeilen.size()); ++k) {
            const TPolarzeile& z = g.Zeilen[k];
            const QPointF b = Bildpunkt(Wert(z, X), Wert(z, Y));
            if (!r.contains(b)) continue;
            if (Auswahl == std::pair{i, k}) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0, 0, 0));
                p.drawEllipse(b, 8.0, 8.0);
            }
            p.setPen(QPen(farben_[i], 1.2));
            p.setBrush(Qt::NoBrush);
            const bool oben = z.Info.find("ABO") != std::string::npos;
            const bool unten = z.Info.find("ABU") != std::string::npos;
            if (!oben && !unten) p.drawRect(QRectF(b.x() - 4, b.y() - 4, 8, 8));
            if (unten) p.drawPolygon(QPolygonF({b + QPointF(0, 6), b + QPointF(4, -2), b + QPointF(-4, -2)}));
            if (oben) p.drawPolygon(QPolygonF({b + QPointF(0, -6), b + QPointF(4, 2), b + QPointF(-4, 2)}));
        }
    }
    if (aufziehen_) {
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(aufziehenStart_, maus_).normalized());
    }
}

void TPolardiagramm::mousePressEvent(QMouseEvent* e)
{
    maus_ = e->position().toPoint();
    if (e->button() != Qt::LeftButton) return;
    const std::pair<int, int> treffer = SichtbareGruppen() > 0 ? Treffer(maus_) : std::pair{-1, -1};
    const bool getroffen = treffer.first >= 0;
    if (getroffen) Auswahl = treffer;
    emit Gewaehlt();
    // A press beside every point starts the zoom rectangle.
    aufziehen_ = !getroffen && Plotbereich().contains(maus_);
    aufziehenStart_ = maus_;
    update();
}

void TPolardiagramm::mouseMoveEvent(QMouseEvent* e)
{
    maus_ = e->position().toPoint();
    update();
    if (SichtbareGruppen() > 0) emit Mausposition(true, Wertepunkt(maus_));
    else emit Mausposition(false, {});
}

void TPolardiagramm::mouseReleaseEvent(QMouseEvent* e)
{
    maus_ = e->position().toPoint();
    if (aufziehen_) {
        aufziehen_ = false;
        const QRect feld = QRect(aufziehenStart_, maus_).normalized();
        if (feld.width() > 5 && feld.height() > 5) {
            const QPointF a = Wertepunkt(feld.bottomLeft()), b = Wertepunkt(feld.topRight());
            bereich_ = QRectF(a, b);
        }
    }
    update();
}
