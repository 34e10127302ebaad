// The scaling window: choices, the span and percentage fields, and the scaling of the core.
#include "ui/dialogs/Skalierfenster.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "common/Fehler.h"
#include "common/Zahlentext.h"
#include "geometry/Parameteraenderungen.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/Pfeilknoepfe.h"
#include "ui/view/Diagramm2D.h"

namespace {

char Trennzeichen() { return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.'; }

template <class T>
T* Element(QWidget* eltern, const char* name, const QString& text)
{
    auto* w = new T(text, eltern);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

TSkalierfenster::TSkalierfenster(THauptfenster& hauptfenster)
    : QDialog(&hauptfenster, Qt::Dialog | Qt::WindowStaysOnTopHint), haupt_(hauptfenster),
      unveraendert_(Element<QRadioButton>(this, "MassenUnveraendert", QStringLiteral("Massen unverändert"))),
      linear_(Element<QRadioButton>(this, "MassenLinear", QStringLiteral("Massen linear anpassen"))),
      quadratisch_(Element<QRadioButton>(this, "MassenQuadratisch", QStringLiteral("Massen quadratisch anpassen"))),
      profiltiefen_(Element<QCheckBox>(this, "Profiltiefen", QStringLiteral("Profiltiefen"))),
      segmentbreiten_(Element<QCheckBox>(this, "Segmentbreiten", QStringLiteral("Segmentbreiten"))),
      positionX_(Element<QCheckBox>(this, "PositionX", QStringLiteral("Flügelposition X"))),
      positionY_(Element<QCheckBox>(this, "PositionY", QStringLiteral("Flügelposition Y"))),
      positionZ_(Element<QCheckBox>(this, "PositionZ", QStringLiteral("Flügelposition Z"))),
      rumpf_(Element<QCheckBox>(this, "Rumpfquerschnitt", QStringLiteral("Rumpfquerschnitt"))),
      nachlauf_(Element<QCheckBox>(this, "Nachlauflaengen", QStringLiteral("Nachlauflängen"))),
      spannweitentext_(Element<QLabel>(this, "L_Spannweite", QString())), spannweite_(new QLineEdit(this)),
      spannweitenknoepfe_(new QWidget(this)), prozent_(new QLineEdit(QStringLiteral("50"), this))
{
    setObjectName(QStringLiteral("Skalierfenster"));
    unveraendert_->setChecked(true);
    for (QCheckBox* c : {profiltiefen_, segmentbreiten_, positionX_, positionY_, positionZ_, rumpf_, nachlauf_})
        c->setChecked(true);
    spannweite_->setObjectName(QStringLiteral("Spannweite"));
    spannweite_->setToolTip(QStringLiteral("Eingabefeld für die neue Spannweite"));
    prozent_->setObjectName(QStringLiteral("Prozent"));
    prozent_->setToolTip(QStringLiteral("Eingabefeld für Prozentuale Größenänderung"));

    auto* massen = new QGroupBox(this);
    auto* ml = new QVBoxLayout(massen);
    for (QRadioButton* r : {unveraendert_, linear_, quadratisch_}) ml->addWidget(r);

    auto* szeile = new QHBoxLayout(spannweitenknoepfe_);
    szeile->setContentsMargins(0, 0, 0, 0);
    szeile->addWidget(spannweite_);
    Pfeilknoepfe(this, szeile, QStringLiteral("Spannweite"), [this](int richtung) {
        Extended wert = 0.0L;
        try {
            wert = TextToReal(spannweite_->text().toStdString());
        } catch (const EKonvertierung&) {
            wert = referenz_;
        }
        wert = std::max(wert + richtung * Schrittweite, Schrittweite);
        spannweite_->setText(QString::fromStdString(RealToText(wert, 0, 5, Trennzeichen())));
        spannweite_->setModified(true);
        SpannweiteUebernehmen();
    });
    auto* pzeile = new QHBoxLayout;
    auto* prozentText = Element<QLabel>(this, "L_Prozent", QStringLiteral("Größe in %"));
    pzeile->addWidget(prozentText);
    pzeile->addWidget(prozent_);
    Pfeilknoepfe(this, pzeile, QStringLiteral("Prozent"), [this](int richtung) {
        try {
            const Extended wert = std::max(TextToReal(prozent_->text().toStdString()) + richtung * Schrittweite, Schrittweite);
            prozent_->setText(QString::fromStdString(RealToText(wert, 0, 5, Trennzeichen())));
        } catch (const EKonvertierung&) {
            prozent_->setText(QStringLiteral("50"));
        }
    });

    auto* uebernehmen = Element<QPushButton>(this, "Uebernehmen", QStringLiteral("übernehmen"));
    auto* schliessen = Element<QPushButton>(this, "Schliessen", QStringLiteral("Schließen"));
    for (QPushButton* k : {uebernehmen, schliessen}) k->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(uebernehmen);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);

    auto* l = new QVBoxLayout(this);
    l->addWidget(massen);
    for (QCheckBox* c : {profiltiefen_, segmentbreiten_, positionX_, positionY_, positionZ_, rumpf_, nachlauf_})
        l->addWidget(c);
    l->addWidget(spannweitentext_);
    l->addWidget(spannweitenknoepfe_);
    l->addLayout(pzeile);
    l->addLayout(knoepfe);

    // Enter or leaving applies a changed span; only Enter applies the percentage. Without a default
    // button Enter stays in the field.
    connect(spannweite_, &QLineEdit::editingFinished, this, &TSkalierfenster::SpannweiteUebernehmen);
    connect(prozent_, &QLineEdit::returnPressed, this, &TSkalierfenster::ProzentUebernehmen);
    connect(segmentbreiten_, &QCheckBox::clicked, this, &TSkalierfenster::Anzeigen);
    connect(uebernehmen, &QPushButton::clicked, this, &TSkalierfenster::ProzentUebernehmen);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);
}

void TSkalierfenster::Oeffnen(bool flugzeug)
{
    flugzeug_ = flugzeug;
    // A diagram redraw follows every change of the aircraft: the window shows it then.
    if (!diagramm_ && (diagramm_ = haupt_.Diagramm2D())) diagramm_->installEventFilter(this);
    show();
    raise();
    Anzeigen();
    adjustSize();
}

void TSkalierfenster::Anzeigen()
{
    const TFLUGZEUG* f = haupt_.Szene ? haupt_.Szene->Flugzeug.get() : nullptr;
    if (!f || f->Flaechen.Count() == 0) {
        hide();
        return;
    }
    for (QCheckBox* c : {positionX_, positionY_, positionZ_, rumpf_, nachlauf_}) c->setVisible(flugzeug_);
    flaeche_ = flugzeug_ ? -1 : f->AktuelleFlaeche;
    int index = 0;
    referenz_ = Referenzspannweite(*f, flaeche_, index);
    if (flugzeug_) {
        setWindowTitle(QString::fromStdString(haupt_.Host.Ausgabetext(145)));
        spannweitentext_->setText(QString::fromStdString(haupt_.Host.Ausgabetext(146)) + QString::number(index) +
                                  QStringLiteral(" [m]"));
    } else {
        setWindowTitle(QString::fromStdString(haupt_.Host.Ausgabetext(147)) + QString::number(flaeche_));
        spannweitentext_->setText(QString::fromStdString(haupt_.Host.Ausgabetext(148)) + QStringLiteral(" [m]"));
    }
    spannweite_->setText(QString::fromStdString(RealToText(referenz_, 0, 5, Trennzeichen())));
    spannweite_->setModified(false);
    const bool spannweiteAenderbar = std::round(referenz_ * 1000.0L) != 0.0L && segmentbreiten_->isChecked();
    spannweitentext_->setEnabled(spannweiteAenderbar);
    spannweitenknoepfe_->setEnabled(spannweiteAenderbar);
}

bool TSkalierfenster::SpannweiteUebernehmen()
{
    if (!spannweite_->isModified()) return false;
    Extended neu = 0.0L;
    try {
        neu = TextToReal(spannweite_->text().toStdString());
    } catch (const EKonvertierung&) {
        haupt_.Host.Fehlertext(2);
        spannweite_->setFocus();
        return false;
    }
    if (neu < 0.001L) {
        haupt_.Host.Fehlertext(3);
        spannweite_->setFocus();
        return false;
    }
    return Anwenden(neu / referenz_);
}

bool TSkalierfenster::ProzentUebernehmen()
{
    Extended prozent = 0.0L;
    try {
        prozent = TextToReal(prozent_->text().toStdString());
    } catch (const EKonvertierung&) {
        haupt_.Host.Fehlertext(2);
        prozent_->setText(QStringLiteral("50"));
        return false;
    }
    return Anwenden(prozent / 100.0L);
}

bool TSkalierfenster::Anwenden(Extended faktor)
{
    TSkalierung wahl;
    wahl.Massen = linear_->isChecked()        ? TMassenregel::Linear
                  : quadratisch_->isChecked() ? TMassenregel::Quadratisch
                                              : TMassenregel::Unveraendert;
    wahl.Profiltiefen = profiltiefen_->isChecked();
    wahl.Segmentbreiten = segmentbreiten_->isChecked();
    wahl.PositionX = positionX_->isChecked();
    wahl.PositionY = positionY_->isChecked();
    wahl.PositionZ = positionZ_->isChecked();
    wahl.Rumpfquerschnitt = rumpf_->isChecked();
    wahl.Nachlauflaengen = nachlauf_->isChecked();
    const int flaeche = flaeche_;
    const bool skaliert = haupt_.Bearbeiten([&](TBearbeitung& b) { return Skalieren(b, faktor, wahl, flaeche); });
    Anzeigen();
    return skaliert;
}

bool TSkalierfenster::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == diagramm_ && ereignis->type() == QEvent::Paint && isVisible() && !spannweite_->isModified())
        Anzeigen();
    return QDialog::eventFilter(objekt, ereignis);
}
