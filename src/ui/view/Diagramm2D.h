// The spanwise diagrams: the plan of the current surface seen from above and, over the same span
// axis, the strip results of the last computation; a marker bar picks one strip.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <memory>
#include <vector>

#include "model/TSchalter.h"
#include "model/T_Szene.h"
#include "ui/view/Zeichenfarben.h"

class TFLAECHE;
class THost;

/// The fit of a surface's plan into the area: scale, origin and extent.
struct TPlan {
    double Massstab = 0.0;  ///< pixels per metre
    QPoint Ursprung;        ///< pixel of span 0 (x) and chord 0 (y)
    double SpannweiteMin = 0.0, SpannweiteMax = 0.0, TiefeMin = 0.0, TiefeMax = 0.0;
    /// Pixel of a surface point (chord x, span y): span to the right, chord downwards.
    QPoint Pixel(double x, double y) const;
};

class TDiagramm2D : public QWidget {
    Q_OBJECT
public:
    TDiagramm2D(const std::unique_ptr<TSZENE>& szene, const TSchalter& schalter, const TZeichenfarben& farben,
                const THost& host, QWidget* parent = nullptr);

    /// Panel grid (on) or plan outline (off).
    bool Panelgitter = true;

    /// Fits the current surface's plan into w x h pixels.
    TPlan PlanEinpassen(const TFLAECHE& fl, int w, int h) const;
    /// Fits the plan and puts the marker in the middle of the current segment.
    void MarkierungAufSegment();
    /// Span position of the marker bar [m] and the strip under it (-1 without plan sections).
    double Markierungsposition() const { return markierung_; }
    void MarkierungSetzen(double y);
    int Markierungsstreifen() const;
    /// The line under the diagram: the marker strip's values and the warnings.
    QString Informationszeile() const;
    /// The diagram drawn off-screen at the given size.
    QImage Bild(QSize groesse) const;

signals:
    /// The marker moved onto a segment: it is to become the current one.
    void SegmentGewaehlt(int segment);
    /// A double click: the wing page is to be shown.
    void FluegelZeigen();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void Klick(QPoint pixel);

    const std::unique_ptr<TSZENE>& szene_;
    const TSchalter& schalter_;
    const TZeichenfarben& farben_;
    const THost& host_;
    double markierung_ = 0.0;
    QPoint mauspunkt_;
};
