// The 3D view with the fixed-function OpenGL pipeline (it runs on software rendering as well): the
// panels go to the card as vertex arrays built anew for every frame, the marks as lines.
#include "ui/view/Ansicht3D.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPainter>
#include <QVector4D>

#include <GL/gl.h>

#include <cmath>
#include <map>
#include <tuple>

#include "model/TPAN.h"
#include "model/T_FLAECHE.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_SEGMENT.h"
#include "geometry/Wirbelaufbau.h"
#include "ui/view/Segmentablage.h"

namespace {

/// Vertices with one colour each, for lines and points.
struct TLinien {
    std::vector<float> Punkte;
    std::vector<float> Farben;
    void Punkt(const QVector3D& p, const QColor& c)
    {
        Punkte.insert(Punkte.end(), {p.x(), p.y(), p.z()});
        Farben.insert(Farben.end(), {float(c.redF()), float(c.greenF()), float(c.blueF())});
    }
    void Linie(const QVector3D& a, const QVector3D& b, const QColor& c)
    {
        Punkt(a, c);
        Punkt(b, c);
    }
    void Zeichnen(GLenum art) const
    {
        if (Punkte.empty()) return;
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, Punkte.data());
        glColorPointer(3, GL_FLOAT, 0, Farben.data());
        glDrawArrays(art, 0, static_cast<GLsizei>(Punkte.size() / 3));
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
};

/// Quadrilaterals with a normal and a colour per vertex.
struct TVierecke {
    std::vector<float> Punkte;
    std::vector<float> Normalen;
    std::vector<float> Farben;
    void Viereck(const TPAN& p)
    {
        // A left-side panel goes round the other way with its normal turned, so both halves of the
        // aircraft have the same winding and look alike under the light.
        const float s = p.Seite < 0 ? -1.0F : 1.0F;
        const QVector3D n = TAnsicht3D::GlPunkt(p.Normale) * s;
        for (int k = 0; k < 4; ++k) {
            const TPUNKT& e = p.Ecken[p.Seite < 0 ? 3 - k : k];
            const QVector3D q = TAnsicht3D::GlPunkt({e.X, e.Y, e.Z});
            Punkte.insert(Punkte.end(), {q.x(), q.y(), q.z()});
            Normalen.insert(Normalen.end(), {n.x(), n.y(), n.z()});
            Farben.insert(Farben.end(), {e.Farbe[0], e.Farbe[1], e.Farbe[2]});
        }
    }
    /// The four edges of every quadrilateral, in the colours of their corners.
    TLinien Kanten() const
    {
        TLinien l;
        for (std::size_t v = 0; v < Punkte.size(); v += 12)
            for (std::size_t k = 0; k < 4; ++k)
                for (std::size_t e : {v + 3 * k, v + 3 * ((k + 1) % 4)}) {
                    l.Punkte.insert(l.Punkte.end(), {Punkte[e], Punkte[e + 1], Punkte[e + 2]});
                    l.Farben.insert(l.Farben.end(), {Farben[e], Farben[e + 1], Farben[e + 2]});
                }
        return l;
    }
    void Zeichnen(bool mitFarben) const
    {
        if (Punkte.empty()) return;
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        if (mitFarben) glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, Punkte.data());
        glNormalPointer(GL_FLOAT, 0, Normalen.data());
        glColorPointer(3, GL_FLOAT, 0, Farben.data());
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(Punkte.size() / 3));
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
};

TFarbe Glfarbe(const QColor& c) { return {float(c.redF()), float(c.greenF()), float(c.blueF()), 1.0F}; }

QVector3D Gl(const T3Vektor& p) { return TAnsicht3D::GlPunkt(p); }

T3Vektor Ecke(const TPAN& p, int i) { return {p.Ecken[i].X, p.Ecken[i].Y, p.Ecken[i].Z}; }

/// Smallest and largest x of all lattice corners of the visible surfaces.
std::pair<Extended, Extended> XBereich(const TFLUGZEUG& f)
{
    Extended xmin = 0.0L, xmax = 0.0L;
    bool erster = true;
    for (int i = 0; i < f.Flaechen.Count(); ++i) {
        const TFLAECHE& fl = *f.Flaechen.Get(i);
        for (const auto& p : fl.Gitterpanels)
            for (const TPUNKT& e : p->Ecken) {
                xmin = erster ? e.X : std::min(xmin, e.X);
                xmax = erster ? e.X : std::max(xmax, e.X);
                erster = false;
            }
    }
    return {xmin, xmax};
}

/// An arc about the GL axis `achse` (0 x, 1 y, 2 z) through `mitte`, radius r, from angle a0 to a1 (degrees).
void Bogen(TLinien& l, const QVector3D& mitte, int achse, float r, float a0, float a1, const QColor& c)
{
    const int n = std::max(2, int(std::abs(a1 - a0) / 5.0F) + 1);
    QVector3D vorher;
    for (int i = 0; i <= n; ++i) {
        const float a = (a0 + (a1 - a0) * float(i) / float(n)) * float(M_PI) / 180.0F;
        QVector3D q;
        if (achse == 0) q = {0.0F, r * std::sin(a), r * std::cos(a)};
        else if (achse == 1) q = {r * std::cos(a), 0.0F, -r * std::sin(a)};
        else q = {r * std::cos(a), r * std::sin(a), 0.0F};
        q += mitte;
        if (i > 0) l.Linie(vorher, q, c);
        vorher = q;
    }
}

/// A moment arc: a quarter circle between 0.75 turns and the arrowhead at its end showing the sense.
void Momentenbogen(TLinien& l, const QVector3D& mitte, int achse, float L, int richtung, const QColor& c)
{
    if (richtung == 1) return;  // no moment
    const float a0 = richtung == 2 ? -135.0F : 135.0F;
    const float a1 = -a0;
    for (float r : {L, 1.2F * L}) Bogen(l, mitte, achse, r, a0, a1, c);
    // Arrowhead: from the two radii to a point ahead along the arc.
    const float rad = float(M_PI) / 180.0F;
    const float spitze = (a1 + (richtung == 2 ? 20.0F : -20.0F)) * rad;
    auto punkt = [&](float r, float a) {
        if (achse == 0) return mitte + QVector3D(0.0F, r * std::sin(a), r * std::cos(a));
        if (achse == 1) return mitte + QVector3D(r * std::cos(a), 0.0F, -r * std::sin(a));
        return mitte + QVector3D(r * std::cos(a), r * std::sin(a), 0.0F);
    };
    const QVector3D s = punkt(1.1F * L, spitze);
    l.Linie(punkt(0.9F * L, a1 * rad), s, c);
    l.Linie(punkt(1.3F * L, a1 * rad), s, c);
    l.Linie(punkt(0.9F * L, a1 * rad), punkt(1.3F * L, a1 * rad), c);
}

}  // namespace

TAnsicht3D::TAnsicht3D(const std::unique_ptr<TSZENE>& szene, const TSchalter& schalter, const TZeichenfarben& farben,
                       QWidget* parent)
    : QWidget(parent), szene_(szene), schalter_(schalter), farben_(farben)
{
    setObjectName(QStringLiteral("Ansicht3D"));
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(200, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TAnsicht3D::~TAnsicht3D()
{
    if (kontext_ && oberflaeche_ && kontext_->makeCurrent(oberflaeche_.get())) {
        puffer_.reset();
        kontext_->doneCurrent();
    }
}

namespace {

QSurfaceFormat Format()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(8);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    return format;
}

}  // namespace

bool TAnsicht3D::OpenGLVerfuegbar()
{
    QOpenGLContext kontext;
    kontext.setFormat(Format());
    return kontext.create();
}

void TAnsicht3D::Neu()
{
    neu_ = true;
    update();
}

bool TAnsicht3D::KontextBereit()
{
    if (!kontextVersucht_) {
        kontextVersucht_ = true;
        auto kontext = std::make_unique<QOpenGLContext>();
        kontext->setFormat(Format());
        auto oberflaeche = std::make_unique<QOffscreenSurface>();
        oberflaeche->setFormat(Format());
        oberflaeche->create();
        if (kontext->create() && oberflaeche->isValid() && kontext->makeCurrent(oberflaeche.get())) {
            kontext_ = std::move(kontext);
            oberflaeche_ = std::move(oberflaeche);
            Zustand3D();
        }
    }
    if (!kontext_ || !kontext_->makeCurrent(oberflaeche_.get())) return false;
    const QSize groesse = (QSizeF(size()) * devicePixelRatioF()).toSize().expandedTo(QSize(1, 1));
    if (!puffer_ || puffer_->size() != groesse)
        puffer_ = std::make_unique<QOpenGLFramebufferObject>(groesse, QOpenGLFramebufferObject::Depth);
    return puffer_->bind();
}

QVector3D TAnsicht3D::GlPunkt(const T3Vektor& p) { return QVector3D(float(p.x), float(p.z), float(-p.y)); }

QMatrix4x4 TAnsicht3D::Projektion() const
{
    QMatrix4x4 m;
    m.perspective(30.0F, float(width()) / float(std::max(1, height())), 0.001F, 32768.0F);
    return m;
}

QMatrix4x4 TAnsicht3D::Ansichtsmatrix(bool mitLage) const
{
    QMatrix4x4 m;
    const TFLUGZEUG* f = szene_ ? szene_->Flugzeug.get() : nullptr;
    if (!f) return m;
    m.translate(float(f->AnsichtPosition.x), float(f->AnsichtPosition.y), float(-f->AnsichtPosition.z));
    m.rotate(float(f->Betrachtungswinkel.x), 1.0F, 0.0F, 0.0F);
    m.rotate(float(f->Betrachtungswinkel.y), 0.0F, 1.0F, 0.0F);
    m.rotate(float(f->Betrachtungswinkel.z), 0.0F, 0.0F, 1.0F);
    if (mitLage) {
        // The aircraft in its flight attitude against a fixed free stream.
        m.rotate(float(-f->Schiebewinkel), 0.0F, 1.0F, 0.0F);
        m.rotate(float(-f->Anstellwinkel), 0.0F, 0.0F, 1.0F);
    }
    return m;
}

QPointF TAnsicht3D::Bildpunkt(const T3Vektor& modellpunkt) const
{
    const QVector4D c = Projektion() * Ansichtsmatrix() * QVector4D(GlPunkt(modellpunkt), 1.0F);
    return {(c.x() / c.w() + 1.0) / 2.0 * width(), (1.0 - c.y() / c.w()) / 2.0 * height()};
}

void TAnsicht3D::PanelsVorbereiten()
{
    panels_.clear();
    TFLUGZEUG* f = szene_ ? szene_->Flugzeug.get() : nullptr;
    if (!f) return;
    const bool volumen = schalter_.VolumenmodellZeichnen;
    const int umriss = schalter_.GefuelltePanels ? 1 : 2;
    for (int i = 0; i < f->Flaechen.Count(); ++i) {
        TFLAECHE& fl = *f->Flaechen.Get(i);
        for (TLIST2D<TPAN>* tabelle : {&fl.Panelraster, &fl.Volumenraster}) {
            const bool istVolumen = tabelle == &fl.Volumenraster;
            for (int r = 0; r < tabelle->RowCount(); ++r)
                for (int c = 0; c < tabelle->Count(r); ++c) {
                    TPAN* p = tabelle->Get(r, c);
                    if (!p) continue;
                    p->Fuellmodus = istVolumen ? (volumen ? umriss : 0) : (volumen ? 0 : umriss);
                    p->VerdeckteLinienZeigen = schalter_.VerdeckteLinien;
                    p->FreieWirbelZeigen = schalter_.FreieWirbelZeichnen && !istVolumen;
                    p->GebundeneWirbelZeigen = schalter_.GebundeneWirbelZeichnen && !volumen && !istVolumen;
                    p->NormaleZeigen = schalter_.PanelnormalvektorenZeichnen && !volumen && !istVolumen;
                    p->KraftZeigen = schalter_.PanelkraftvektorenZeichnen && !volumen && !istVolumen;
                    const bool aktuell = i == f->AktuelleFlaeche && p->Segment == fl.AktuellesSegment;
                    p->SetzeFarbe(Glfarbe(aktuell ? farben_.Markierung : farben_.Panel));
                    // Only what a visible surface draws gets a name and can be picked.
                    if (!fl.Sichtbar || (istVolumen && !volumen)) {
                        p->Auswahlname = OhneAuswahl;
                        continue;
                    }
                    panels_.push_back(p);
                    p->Auswahlname = static_cast<int>(panels_.size());
                }
        }
    }
}

void TAnsicht3D::Zustand3D()
{
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(0.5F, 2.0F);
    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_FALSE);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    const GLfloat umgebung[] = {0.2F, 0.2F, 0.2F, 1.0F};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, umgebung);
    const GLfloat position[] = {0.0F, 0.0F, 1.0F, 1.0F};
    const GLfloat richtung[] = {0.0F, 100.0F, -50.0F, 1.0F};
    const GLfloat ambient[] = {0.8F, 0.8F, 0.8F, 1.0F};
    const GLfloat diffus[] = {1.0F, 1.0F, 1.0F, 1.0F};
    const GLfloat spiegelnd[] = {0.4F, 0.4F, 0.4F, 1.0F};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, richtung);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffus);
    glLightfv(GL_LIGHT0, GL_SPECULAR, spiegelnd);
    glEnable(GL_LIGHT0);
    const GLfloat material[] = {0.8F, 0.8F, 0.8F, 1.0F};
    const GLfloat glanz[] = {1.0F, 1.0F, 1.0F, 1.0F};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, glanz);
    // Shininess is limited to 0..128 by OpenGL.
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 110.0F);
}

void TAnsicht3D::paintEvent(QPaintEvent*)
{
    if (neu_ || bild_.size() != (QSizeF(size()) * devicePixelRatioF()).toSize()) Zeichnen3D();
    QPainter maler(this);
    maler.drawImage(rect(), bild_);
}

QImage TAnsicht3D::Bild()
{
    Zeichnen3D();
    return bild_;
}

void TAnsicht3D::Zeichnen3D()
{
    neu_ = false;
    PanelsVorbereiten();
    if (!KontextBereit()) {
        // Without OpenGL the area stays empty in the background colour.
        bild_ = QImage((QSizeF(size()) * devicePixelRatioF()).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        bild_.fill(farben_.Hintergrund);
        return;
    }
    glViewport(0, 0, puffer_->width(), puffer_->height());
    // The light stays fixed to the eye: it is placed while the model-view matrix is the identity.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat position[] = {0.0F, 0.0F, 1.0F, 1.0F};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(Projektion().constData());
    glMatrixMode(GL_MODELVIEW);
    const QColor& h = farben_.Hintergrund;
    glClearColor(float(h.redF()), float(h.greenF()), float(h.blueF()), 1.0F);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    FlugzeugZeichnen();
    glFinish();
    bild_ = puffer_->toImage().convertToFormat(QImage::Format_RGB32);
    bild_.setDevicePixelRatio(devicePixelRatioF());
    puffer_->release();
    kontext_->doneCurrent();
    Beschriftungen(bild_);
}

void TAnsicht3D::FlugzeugZeichnen()
{
    const TFLUGZEUG* f = szene_ ? szene_->Flugzeug.get() : nullptr;
    if (!f) return;
    const float L = float(f->LaengeMarkierungslinien);
    const QColor invers = farben_.InversHintergrund();
    const QColor markierung = farben_.Markierung;

    TVierecke gefuellt, umrisse;
    TLinien linien, punkte, symmetrie;
    for (TPAN* p : panels_) {
        if (p->Fuellmodus == 1) gefuellt.Viereck(*p);
        else if (p->Fuellmodus == 2) umrisse.Viereck(*p);
        if (symmetriecheck_)
            for (const TPUNKT& e : p->Ecken)
                if (!e.Partner) symmetrie.Punkt(Gl({e.X, e.Y, e.Z}), farben_.Symmetriecheck);
    }
    // Vortices, normals and forces belong to the lattice panels, drawn or not.
    for (int i = 0; i < f->Flaechen.Count(); ++i) {
        const TFLAECHE& fl = *f->Flaechen.Get(i);
        if (!fl.Sichtbar) continue;
        for (const auto& pz : fl.Gitterpanels) {
            const TPAN& p = *pz;
            if (p.FreieWirbelZeigen) {
                // The final wake element stands for the semi-infinite rest and is left out.
                for (const TWirbel& w : p.WirbelLinks)
                    if (w.Art == WirbelNachlaufLinks && w.Laenge < LaengeEndelement - 1.0L)
                        linien.Linie(Gl(w.Anfang), Gl(w.Ende), markierung);
                for (const TWirbel& w : p.WirbelRechts)
                    if (w.Art == WirbelNachlaufRechts && w.Laenge < LaengeEndelement - 1.0L)
                        linien.Linie(Gl(w.Anfang), Gl(w.Ende), markierung);
            }
            if (p.GebundeneWirbelZeigen) {
                linien.Linie(Gl(p.GebundenerWirbel.Anfang), Gl(p.GebundenerWirbel.Ende), markierung);
                for (const TWirbel& w : p.WirbelLinks)
                    if (w.Art == WirbelSeitenlinieLinks && w.Laenge < LaengeEndelement)
                        linien.Linie(Gl(w.Anfang), Gl(w.Ende), markierung);
                for (const TWirbel& w : p.WirbelRechts)
                    if (w.Art == WirbelSeitenlinieRechts && w.Laenge < LaengeEndelement)
                        linien.Linie(Gl(w.Anfang), Gl(w.Ende), markierung);
                punkte.Punkt(Gl(p.Aufpunkt), markierung);
            }
            const T3Vektor m = Vektorskalierung(0.5L, Vektorsumme(p.GebundenerWirbel.Anfang, p.GebundenerWirbel.Ende));
            if (p.NormaleZeigen)
                linien.Linie(Gl(m), Gl(Vektorsumme(m, Vektorskalierung(L, p.Normale))), invers);
            if (p.KraftZeigen && p.Flaecheninhalt > 0.0L)
                linien.Linie(Gl(m), Gl(Vektorsumme(m, Vektorskalierung(5.0L * L / p.Flaecheninhalt, p.Panelkraft))),
                             QColor(255, 0, 0));
        }
    }

    // Marks: the zero point, the segment edges and the moment arcs turn with the aircraft.
    if (f->NullpunktSichtbar) {
        for (int a = 0; a < 3; ++a) {
            QVector3D e;
            e[a] = L;
            linien.Linie(-e, e, invers);
        }
        const float k = L / 5.0F;  // half the edge of the cube
        for (int a = 0; a < 3; ++a)
            for (float s1 : {-k, k})
                for (float s2 : {-k, k}) {
                    QVector3D u, v;
                    u[a] = -k;
                    v[a] = k;
                    u[(a + 1) % 3] = v[(a + 1) % 3] = s1;
                    u[(a + 2) % 3] = v[(a + 2) % 3] = s2;
                    linien.Linie(u, v, invers);
                }
    }
    if (schalter_.SegmentkantenmarkierungZeichnen)
        for (int i = 0; i < f->Flaechen.Count(); ++i) {
            const TFLAECHE& fl = *f->Flaechen.Get(i);
            if (!fl.Sichtbar) continue;
            int zeile = 0;
            for (int s = 0; s < fl.Segmente.Count(); ++s) {
                const int n = fl.Segmente.Get(s)->AnzahlPanelsY;
                const TPAN* erstes = fl.Panelraster.Get(zeile, 0);
                const TPAN* letztes = fl.Panelraster.Get(zeile + n - 1, 0);
                if (erstes) {
                    const T3Vektor a = Ecke(*erstes, 3);
                    linien.Linie(Gl(a), Gl({a.x - L, a.y, a.z}), invers);
                }
                if (letztes) {
                    const T3Vektor a = Ecke(*letztes, 2);
                    linien.Linie(Gl(a), Gl({a.x - L, a.y, a.z}), invers);
                }
                zeile += n;
            }
        }
    const auto [xmin, xmax] = XBereich(*f);
    if (schalter_.MomentendrehrichtungZeichnen) {
        // Pitch about the model y axis (GL z), yaw about z (GL y), roll about x (GL x).
        Momentenbogen(linien, Gl({xmin, 0, 0}), 2, L, f->Momentenrichtung[0], QColor::fromRgbF(0.5, 0.2, 0.2));
        Momentenbogen(linien, Gl({xmin - 2.0L * L, 0, 0}), 1, L, f->Momentenrichtung[2], QColor::fromRgbF(0.2, 0.5, 0.5));
        Momentenbogen(linien, Gl({xmin - 1.75L * L, 0, 0}), 0, L, f->Momentenrichtung[1], QColor::fromRgbF(0.5, 0.2, 0.5));
    }

    glLoadMatrixf(Ansichtsmatrix(true).constData());
    glEnable(GL_LIGHTING);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    gefuellt.Zeichnen(true);
    glDisable(GL_LIGHTING);
    if (!umrisse.Punkte.empty()) {
        if (!schalter_.VerdeckteLinien) {
            // The panels filled with the background hide what lies behind them; the polygon offset
            // keeps their own outline in front.
            glColor3f(float(farben_.Hintergrund.redF()), float(farben_.Hintergrund.greenF()),
                      float(farben_.Hintergrund.blueF()));
            umrisse.Zeichnen(false);
        }
        // Edges as lines: much faster than polygons in line mode on software rendering.
        umrisse.Kanten().Zeichnen(GL_LINES);
    }
    glLineWidth(1.0F);
    linien.Zeichnen(GL_LINES);
    glPointSize(3.0F);
    punkte.Zeichnen(GL_POINTS);
    glPointSize(10.0F);
    symmetrie.Zeichnen(GL_POINTS);
    glPointSize(1.0F);

    if (schalter_.AnstroemvektorZeichnen) {
        // The free stream in the frame of the view: it does not turn with the attitude.
        TLinien strom;
        const float x0 = float(xmin), x1 = float(xmax);
        const auto gl = [](float x, float y, float z) { return QVector3D(x, z, -y); };
        strom.Linie(gl(0, 0, 0), gl(x0 - 10.0F * L, 0, 0), invers);
        strom.Linie(gl(0, 0, 0), gl(x0 - 5.0F * L, 0, 0), invers);
        strom.Linie(gl(0, 0, 0), gl(1.2F * x1, 0, 0), invers);
        // An arrowhead pointing aft at the start of the stream line.
        const float s = x0 - 10.0F * L;
        strom.Linie(gl(s, 0, 0), gl(s - L, 0, L / 2.0F), invers);
        strom.Linie(gl(s, 0, 0), gl(s - L, 0, -L / 2.0F), invers);
        const float r = std::abs(x0 - 4.0F * L);
        const float alpha = float(f->Anstellwinkel), beta = float(f->Schiebewinkel);
        if (alpha != 0.0F) {
            // The forward line turned by the angle of attack (in the attitude's sense) and the arc.
            Bogen(strom, QVector3D(), 2, -r, 0.0F, -alpha, invers);
            const float a = -alpha * float(M_PI) / 180.0F;
            strom.Linie(QVector3D(), QVector3D(-r * std::cos(a), -r * std::sin(a), 0.0F), invers);
        }
        if (beta != 0.0F) {
            Bogen(strom, QVector3D(), 1, -r, 0.0F, -beta, invers);
            const float b = -beta * float(M_PI) / 180.0F;
            strom.Linie(QVector3D(), QVector3D(-r * std::cos(b), 0.0F, r * std::sin(b)), invers);
        }
        glLoadMatrixf(Ansichtsmatrix(false).constData());
        strom.Zeichnen(GL_LINES);
    }
    glEnable(GL_LIGHTING);
}

void TAnsicht3D::Beschriftungen(QImage& bild)
{
    // The labels of the free-stream mark, as text on top of the picture.
    const TFLUGZEUG* f = szene_ ? szene_->Flugzeug.get() : nullptr;
    if (!f || !schalter_.AnstroemvektorZeichnen) return;
    const auto [xmin, xmax] = XBereich(*f);
    const Extended L = f->LaengeMarkierungslinien;
    const QMatrix4x4 m = Projektion() * Ansichtsmatrix(false);
    const auto pixel = [&](Extended x) {
        const QVector4D c = m * QVector4D(float(x), 0.0F, 0.0F, 1.0F);
        return QPointF((c.x() / c.w() + 1.0) / 2.0 * width(), (1.0 - c.y() / c.w()) / 2.0 * height());
    };
    QPainter maler(&bild);
    maler.setPen(farben_.InversHintergrund());
    QString text = QString::fromUtf8("V\u221E\u2192");  // V with the infinity sign and an arrow
    maler.drawText(pixel(xmin - 14.0L * L), text);
    const auto winkel = [](QChar zeichen, Extended w) {
        return QString(zeichen) + QStringLiteral("=") + QString::number(double(w), 'f', 5) + QChar(0x00B0);
    };
    QPointF unten = pixel(xmin - 4.0L * L) + QPointF(0, 16);
    if (f->Anstellwinkel != 0.0L) {
        maler.drawText(unten, winkel(QChar(0x03B1), f->Anstellwinkel));
        unten += QPointF(0, 16);
    }
    if (f->Schiebewinkel != 0.0L) maler.drawText(unten, winkel(QChar(0x03B2), f->Schiebewinkel));
}

TPAN* TAnsicht3D::Auswahl3D(QPoint pixel)
{
    PanelsVorbereiten();
    const QMatrix4x4 m = Projektion() * Ansichtsmatrix();
    const QPointF ziel(pixel);
    TPAN* bester = nullptr;
    float besteTiefe = 0.0F;
    for (TPAN* p : panels_) {
        if (p->Fuellmodus == 0) continue;
        std::array<QPointF, 4> q;
        std::array<float, 4> tiefe{};
        bool vorDemAuge = true;
        for (int k = 0; k < 4; ++k) {
            const QVector4D c = m * QVector4D(GlPunkt(Ecke(*p, k)), 1.0F);
            if (c.w() <= 0.0F) vorDemAuge = false;
            q[k] = QPointF((c.x() / c.w() + 1.0) / 2.0 * width(), (1.0 - c.y() / c.w()) / 2.0 * height());
            tiefe[k] = c.z() / c.w();
        }
        if (!vorDemAuge) continue;
        // The quadrilateral as two triangles; the depth at the pixel by barycentric weights.
        for (auto [a, b, c] : {std::tuple{0, 1, 2}, std::tuple{0, 2, 3}}) {
            const double det = (q[b].x() - q[a].x()) * (q[c].y() - q[a].y()) - (q[c].x() - q[a].x()) * (q[b].y() - q[a].y());
            if (std::abs(det) < 1e-12) continue;
            const double u = ((ziel.x() - q[a].x()) * (q[c].y() - q[a].y()) - (q[c].x() - q[a].x()) * (ziel.y() - q[a].y())) / det;
            const double v = ((q[b].x() - q[a].x()) * (ziel.y() - q[a].y()) - (ziel.x() - q[a].x()) * (q[b].y() - q[a].y())) / det;
            constexpr double rand = -1e-9;
            if (u < rand || v < rand || u + v > 1.0 - rand) continue;
            const float t = float((1.0 - u - v) * tiefe[a] + u * tiefe[b] + v * tiefe[c]);
            if (!bester || t < besteTiefe) {
                bester = p;
                besteTiefe = t;
            }
        }
    }
    return bester;
}

void TAnsicht3D::Symmetriecheck(bool an)
{
    symmetriecheck_ = an;
    TSZENE* szene = szene_.get();
    TFLUGZEUG* f = szene ? szene->Flugzeug.get() : nullptr;
    if (f) {
        szene->Panelliste.clear();
        for (int i = 0; i < f->Flaechen.Count(); ++i) {
            TFLAECHE& fl = *f->Flaechen.Get(i);
            for (int r = 0; r < fl.Panelraster.RowCount(); ++r)
                for (int c = 0; c < fl.Panelraster.Count(r); ++c)
                    if (TPAN* p = fl.Panelraster.Get(r, c)) szene->Panelliste.push_back(p);
        }
        for (TPAN* p : szene->Panelliste)
            for (TPUNKT& e : p->Ecken) e.Partner = an ? nullptr : &e;
        if (an) {
            // Corners are compared on a grid of 1e-8 m; a corner on the plane y = 0 is its own image.
            // The corners still waiting for a partner, by their grid key, in panel order.
            using TSchluessel = std::tuple<long long, long long, long long>;
            std::map<TSchluessel, std::vector<TPUNKT*>> offen;
            const auto raster = [](Extended w) { return static_cast<long long>(std::trunc(1e8L * w)); };
            for (TPAN* p : szene->Panelliste)
                for (TPUNKT& e : p->Ecken) {
                    const long long x = raster(e.X), y = raster(e.Y), z = raster(e.Z);
                    if (y == 0) {
                        e.Partner = &e;
                        continue;
                    }
                    auto gegenueber = offen.find({x, -y, z});
                    if (gegenueber != offen.end() && !gegenueber->second.empty()) {
                        TPUNKT* b = gegenueber->second.front();
                        gegenueber->second.erase(gegenueber->second.begin());
                        e.Partner = b;
                        b->Partner = &e;
                    } else {
                        offen[{x, y, z}].push_back(&e);
                    }
                }
        }
    }
    Neu();
}

void TAnsicht3D::Waehlen(QPoint pixel)
{
    gezogen_ = {-1, -1};
    const TFLUGZEUG* f = szene_ ? szene_->Flugzeug.get() : nullptr;
    if (!f || f->Flaechen.Count() == 0) return;
    if (const TPAN* p = Auswahl3D(pixel)) {
        gezogen_ = {p->Flaeche, p->Segment};
        emit PanelGewaehlt(p->Flaeche, p->Segment);
    }
}

void TAnsicht3D::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu menue(this);
    menue.setObjectName(QStringLiteral("Ansicht3DMenue"));
    for (const char* modus : {"rotieren", "verschieben", "zoomen", "bearbeiten"}) {
        QAction* a = menue.addAction(QString::fromLatin1(modus));
        connect(a, &QAction::triggered, this, [this, modus] { emit MausmodusGewaehlt(QString::fromLatin1(modus)); });
    }
    menue.exec(e->globalPos());
}

void TAnsicht3D::mousePressEvent(QMouseEvent* e)
{
    setFocus();
    maus_ = e->position().toPoint();
    druckpunkt_ = maus_;
    gezogen_ = {-1, -1};
    if (schalter_.Bearbeiten && e->button() == Qt::LeftButton) Waehlen(maus_);
}

void TAnsicht3D::mouseDoubleClickEvent(QMouseEvent*) { Waehlen(maus_); }

void TAnsicht3D::mouseMoveEvent(QMouseEvent* e)
{
    TFLUGZEUG* f = szene_ ? szene_->Flugzeug.get() : nullptr;
    if (!f || !(e->buttons() & Qt::LeftButton)) return;
    const QPoint jetzt = e->position().toPoint();
    if (schalter_.Bearbeiten && gezogen_.first >= 0 &&
        (jetzt - druckpunkt_).manhattanLength() >= QApplication::startDragDistance()) {
        auto* ziehen = new QDrag(this);
        ziehen->setMimeData(SegmentDaten(gezogen_.first, gezogen_.second));
        gezogen_ = {-1, -1};
        ziehen->exec(Qt::CopyAction);
        return;
    }
    const Extended dx = jetzt.x() - maus_.x(), dy = jetzt.y() - maus_.y();
    maus_ = jetzt;
    const auto umlauf = [](Extended& w) {
        if (w > 359.0L) w = 0.0L;
        else if (w < 0.0L) w = 359.0L;
    };
    T3Vektor& pos = f->AnsichtPosition;
    if (schalter_.Rotieren) {
        f->Betrachtungswinkel.x += dy;
        f->Betrachtungswinkel.y += dx;
        umlauf(f->Betrachtungswinkel.x);
        umlauf(f->Betrachtungswinkel.y);
    } else if (schalter_.Verschieben) {
        const Extended faktor = std::abs(pos.z + 0.3L) / 1000.0L;
        pos.x += dx * faktor;
        pos.y -= dy * faktor;
    } else if (schalter_.Zoomen) {
        // The step grows with the distance, so zooming feels alike near and far.
        const Extended schritt = dy * (pos.z + 0.3L) / 200.0L;
        pos.z += farben_.Invertiere3DZoom ? schritt : -schritt;
    } else {
        return;
    }
    emit AnsichtGeaendert();
    Neu();
}
