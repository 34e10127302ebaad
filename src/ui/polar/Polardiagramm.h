// The polar chart: one curve per checked group of the polar list, one quantity against another,
// with the program's own point markers, the picked point, a crosshair and a zoomable range.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QWidget>

#include <array>
#include <utility>

class TPolarliste;
struct TPolarzeile;

/// The twelve plottable quantities in their order: radio caption, value index (Polarwert) and the
/// output text of the axis title.
struct TPolargroesse {
    const char* Beschriftung;
    int Wert;
    int Titeltext;
};
inline constexpr int PolargroessenAnzahl = 12;
extern const std::array<TPolargroesse, PolargroessenAnzahl> Polargroessen;

class TPolardiagramm : public QWidget {
    Q_OBJECT
public:
    TPolardiagramm(const TPolarliste& liste, const std::array<QColor, 100>& farben, QWidget* parent = nullptr);

    /// The chosen quantities (indices into Polargroessen) and their axis titles.
    int X = 1, Y = 5;
    QString XTitel, YTitel;
    bool Fadenkreuz = false;
    /// `Auswahl`: group and row of the picked point, -1/-1 for none.
    std::pair<int, int> Auswahl{-1, -1};

    /// Number of checked groups at the last fill; 0 while the list is empty.
    int SichtbareGruppen() const;
    /// The rectangle inside the axes.
    QRectF Plotbereich() const;
    /// Screen position of a value pair under the current range.
    QPointF Bildpunkt(double x, double y) const;
    /// The value pair at a screen position.
    QPointF Wertepunkt(QPointF pixel) const;
    /// The point (group, row) of a checked group within 4 pixels across and 6 up or down of
    /// `pixel`; the last in group and row order wins. -1/-1 when none.
    std::pair<int, int> Treffer(QPoint pixel) const;
    /// Both axes back to the range of the drawn points; with groups in the list then zoomed to 90 %.
    void ZoomZuruecksetzen();
    /// Zooms about the centre: 1.1 shows 110 %, 0.9 shows 90 %.
    void Zoomen(double faktor);
    /// The chart as shown, as a picture of its size.
    QImage Bild();

signals:
    /// A press that picked (or missed) a point; the window refreshes "Polarinfo".
    void Gewaehlt();
    /// The mouse moved: the value pair under it, or nothing when no group is checked.
    void Mausposition(bool gueltig, QPointF werte);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    double Wert(const TPolarzeile& z, int groesse) const;
    /// The range of the checked groups' points (a unit range around a lone value).
    QRectF Datenbereich() const;
    void Achsen(QPainter& p) const;

    const TPolarliste& liste_;
    const std::array<QColor, 100>& farben_;
    QRectF bereich_{0, 0, 1, 1};  ///< x: left..right, y: bottom..top values
    QPoint maus_;
    QPoint aufziehenStart_;
    bool aufziehen_ = false;
};
