// The up/down button pair of the secondary windows.
#include "ui/dialogs/Pfeilknoepfe.h"

#include <QHBoxLayout>
#include <QToolButton>

void Pfeilknoepfe(QWidget* eltern, QHBoxLayout* zeile, const QString& name, std::function<void(int)> klick)
{
    for (auto [endung, pfeil, richtung] : {std::tuple{"Auf", Qt::UpArrow, 1}, std::tuple{"Ab", Qt::DownArrow, -1}}) {
        auto* k = new QToolButton(eltern);
        k->setObjectName(name + QString::fromLatin1(endung));
        k->setArrowType(pfeil);
        k->setAutoRepeat(true);
        QObject::connect(k, &QToolButton::clicked, eltern, [klick, richtung = richtung] { klick(richtung); });
        zeile->addWidget(k);
    }
}
