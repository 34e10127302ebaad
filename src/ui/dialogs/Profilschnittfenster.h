// The window "Profilschnitt": the airfoil at the span position of the 2D marker, blended from the
// profiles at the two ends of the current segment, redrawn with every redraw of the 2D diagram.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QImage>

class QLabel;
class THauptfenster;

class TProfilschnittfenster : public QDialog {
    Q_OBJECT
public:
    explicit TProfilschnittfenster(THauptfenster& hauptfenster);

    void Zeigen();
    /// Recomputes and redraws the section; nothing happens without a current surface.
    void Aktualisieren();
    /// The picture shown now (the tests read it).
    QImage Bild() const { return bild_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    THauptfenster& haupt_;
    QPointer<QWidget> diagramm_;  ///< whose redraws this window follows
    QLabel* bildfeld_;
    QImage bild_;
};
