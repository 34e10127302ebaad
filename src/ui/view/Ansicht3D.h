// The 3D view: the aircraft's lattice (or volume model) in perspective with its vortices, normals,
// forces and marks, turned, moved and zoomed with the mouse; a click in the edit mode picks a panel.
// OpenGL draws into an off-screen frame buffer; the widget shows the picture, so the rest of the
// window stays a plain raster window and repaints of other controls cost no OpenGL work.
#pragma once

#include <QImage>
#include <QMatrix4x4>
#include <QPoint>
#include <QWidget>
#include <QPointF>

#include <memory>
#include <vector>

#include "common/Vektor.h"
#include "model/TSchalter.h"
#include "model/T_Szene.h"
#include "ui/view/Zeichenfarben.h"

class TPAN;
class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

class TAnsicht3D : public QWidget {
    Q_OBJECT
public:
    /// The view reads the scene through `szene`, which may be replaced (loading, undo) at any time.
    TAnsicht3D(const std::unique_ptr<TSZENE>& szene, const TSchalter& schalter, const TZeichenfarben& farben,
               QWidget* parent = nullptr);
    ~TAnsicht3D() override;

    /// Whether an OpenGL context can be made here (a double-buffered RGBA context with depth buffer).
    static bool OpenGLVerfuegbar();
    /// The model or a switch changed: the next paint draws the frame anew.
    void Neu();

    /// Name of the marks that picking passes over.
    static constexpr int OhneAuswahl = 2147483647;

    /// Drawing flags, colours and pick names of every panel of both tables, from the switches.
    void PanelsVorbereiten();
    /// Model point to the OpenGL point (x, z, -y).
    static QVector3D GlPunkt(const T3Vektor& p);
    /// The perspective of this area (30° vertically, near 0.001, far 32768).
    QMatrix4x4 Projektion() const;
    /// The view transform with the aircraft's attitude; `mitLage` false leaves the attitude out.
    QMatrix4x4 Ansichtsmatrix(bool mitLage = true) const;
    /// The pixel of the area (x right, y down) where a model point is drawn.
    QPointF Bildpunkt(const T3Vektor& modellpunkt) const;
    /// The panel drawn nearest to the eye under the pixel, or null (nothing there, or no aircraft).
    TPAN* Auswahl3D(QPoint pixel);
    /// Pairs every lattice corner with its mirror image (on) or sets every corner its own partner (off).
    void Symmetriecheck(bool an);
    bool SymmetriecheckAn() const { return symmetriecheck_; }
    /// The area as a picture (the same image that goes to a file or the clipboard); drawn now.
    QImage Bild();

signals:
    /// A panel was picked: its surface and segment are to become current.
    void PanelGewaehlt(int flaeche, int segment);
    /// The mouse turned, moved or zoomed the view.
    void AnsichtGeaendert();
    /// The pop-up menu chose a mouse mode: "rotieren", "verschieben", "zoomen" or "bearbeiten".
    void MausmodusGewaehlt(const QString& modus);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    /// Makes the context current with a frame buffer of the area's size; false without OpenGL.
    bool KontextBereit();
    /// The fixed state of the context: depth test, polygon offset, shading and the light.
    void Zustand3D();
    void Zeichnen3D();
    void FlugzeugZeichnen();
    void Beschriftungen(QImage& bild);
    void Waehlen(QPoint pixel);
    /// The panels drawn this frame, by pick name (index = name - 1).
    std::vector<TPAN*> panels_;

    const std::unique_ptr<TSZENE>& szene_;
    const TSchalter& schalter_;
    const TZeichenfarben& farben_;
    QPoint maus_;
    /// Surface and segment of the panel under the last press in the edit mode, -1 for none: a drag
    /// from there carries the segment to the total-polar tables.
    std::pair<int, int> gezogen_{-1, -1};
    QPoint druckpunkt_;
    bool symmetriecheck_ = false;
    std::unique_ptr<QOpenGLContext> kontext_;
    std::unique_ptr<QOffscreenSurface> oberflaeche_;
    std::unique_ptr<QOpenGLFramebufferObject> puffer_;
    bool kontextVersucht_ = false;
    QImage bild_;
    bool neu_ = true;
};
