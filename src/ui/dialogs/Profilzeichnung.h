// The one drawing of a profile contour that every profile window uses: chord units scaled to the
// width less 10 pixels each side, the chord dashed along the middle line.
#pragma once

#include <QColor>
#include <QImage>

class QPainter;
class TProfil;

/// Draws `profil` into the area (0, 0)-(breite, hoehe) of `maler`; `loeschen` fills it white first,
/// `rahmen` (with `loeschen`) draws a black frame around it.
void ProfilZeichnen(QPainter& maler, const TProfil& profil, int breite, int hoehe, const QColor& stift, bool rahmen,
                    bool loeschen);

/// The contour as an image of the given size: black, framed, on white.
QImage Profilbild(const TProfil& profil, int breite, int hoehe);
