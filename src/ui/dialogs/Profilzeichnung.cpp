// The profile drawing shared by the selection and the section window.
#include "ui/dialogs/Profilzeichnung.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "profile/T_Profil.h"

void ProfilZeichnen(QPainter& maler, const TProfil& profil, int breite, int hoehe, const QColor& stift, bool rahmen,
                    bool loeschen)
{
    if (loeschen) {
        maler.fillRect(QRect(QPoint(1, 1), QPoint(breite - 1, hoehe - 1)), Qt::white);
        if (rahmen) {
            maler.setPen(Qt::black);
            maler.drawRect(0, 0, breite - 1, hoehe - 1);
        }
    }
    if (profil.Anzahl() <= 2) return;
    const Extended f = breite - 20;
    const int mitte = hoehe / 2;
    const auto pixel = [&](const TKoordinate& p) {
        return QPoint(int(std::lround(p.X * f + 10)), mitte - int(std::lround(p.Z * f)));
    };
    maler.setPen(QPen(stift, 1));
    const auto& punkte = profil.Punkte();
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i) maler.drawLine(pixel(punkte[i]), pixel(punkte[i + 1]));
    maler.setPen(QPen(stift, 1, Qt::DashLine));
    maler.drawLine(QPoint(pixel(punkte.front()).x(), mitte), QPoint(10, mitte));
}

QImage Profilbild(const TProfil& profil, int breite, int hoehe)
{
    QImage bild(std::max(breite, 1), std::max(hoehe, 1), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    ProfilZeichnen(maler, profil, bild.width(), bild.height(), Qt::black, true, true);
    return bild;
}
