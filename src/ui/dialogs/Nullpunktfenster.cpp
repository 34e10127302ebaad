// The zero-point window: three axis rows and "Schließen".
#include "ui/dialogs/Nullpunktfenster.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "geometry/Parameteraenderungen.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/Pfeilknoepfe.h"

TNullpunktfenster::TNullpunktfenster(THauptfenster& hauptfenster) : QDialog(&hauptfenster), haupt_(hauptfenster)
{
    setObjectName(QStringLiteral("Nullpunktfenster"));
    setWindowTitle(QStringLiteral("Nullpunktverschiebung"));
    setMinimumWidth(280);  // the caption stays readable
    auto* l = new QVBoxLayout(this);
    for (auto [achse, name] : {std::pair{0, "X"}, std::pair{1, "Y"}, std::pair{2, "Z"}}) {
        auto* zeile = new QHBoxLayout;
        auto* text = new QLabel(QStringLiteral(" %1 ").arg(QString::fromLatin1(name)), this);
        text->setObjectName(QStringLiteral("L_Achse") + QString::fromLatin1(name));
        zeile->addWidget(text);
        Pfeilknoepfe(this, zeile, QStringLiteral("Achse") + QString::fromLatin1(name),
                     [this, achse = achse](int richtung) { Verschieben(achse, richtung); });
        zeile->addStretch(1);
        l->addLayout(zeile);
    }
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("Schliessen"));
    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);
    l->addWidget(schliessen);
}

void TNullpunktfenster::Zeigen()
{
    show();
    raise();
    activateWindow();
}

bool TNullpunktfenster::Verschieben(int achse, int richtung)
{
    T3Vektor d{};
    (achse == 0 ? d.x : achse == 1 ? d.y : d.z) = richtung * Schrittweite;
    return haupt_.Bearbeiten([&d](TBearbeitung& b) { return Nullpunktverschiebung(b, d); });
}
