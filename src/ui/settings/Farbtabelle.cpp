// The colour table window of the flap groups and the total-polar curves.
#include "ui/settings/Farbtabelle.h"

#include <QColorDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/T_Szene.h"
#include "ui/app/Hauptfenster.h"
#include "ui/view/Zeichenfarben.h"

TFarbtabelle::TFarbtabelle(THauptfenster& hauptfenster) : QDialog(&hauptfenster), hauptfenster_(hauptfenster)
{
    setObjectName(QStringLiteral("Farbtabelle"));
    auto* l = new QVBoxLayout(this);
    tabelle_ = new QTableWidget(100, 2, this);
    tabelle_->setObjectName(QStringLiteral("Farbtabellenraster"));
    tabelle_->verticalHeader()->hide();
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->horizontalHeader()->setStretchLastSection(true);
    l->addWidget(tabelle_, 1);
    hinweis_ = new QLabel(this);
    hinweis_->setObjectName(QStringLiteral("Farbtabellenhinweis"));
    hinweis_->setWordWrap(true);
    l->addWidget(hinweis_);
    schliessen_ = new QPushButton(this);
    schliessen_->setObjectName(QStringLiteral("FarbtabelleSchliessen"));
    l->addWidget(schliessen_);
    connect(schliessen_, &QPushButton::clicked, this, &QDialog::accept);
    connect(tabelle_, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
        if (art_ == TFarbtabellenart::Klappengruppenwahl) return;
        const QColor farbe = QColorDialog::getColor(Farbwert(Eintraege()[zeile]), this);
        if (farbe.isValid()) FarbeSetzen(zeile, farbe);
    });
    connect(tabelle_, &QTableWidget::cellClicked, this, [this](int zeile, int) {
        if (art_ == TFarbtabellenart::Klappengruppenwahl) GruppeWaehlen(zeile);
    });
    resize(300, 520);
}

std::array<TFarbwert, 100>& TFarbtabelle::Eintraege() const
{
    return art_ == TFarbtabellenart::Polarenfarben ? hauptfenster_.Einstellungen.Gesamtpolarenfarben
                                                   : hauptfenster_.Einstellungen.Klappengruppenfarben;
}

void TFarbtabelle::Fuellen(TFarbtabellenart art)
{
    art_ = art;
    const TFensterHost& host = hauptfenster_.Host;
    auto text = [&host](int n) { return QString::fromStdString(host.Ausgabetext(n)); };
    const bool polaren = art == TFarbtabellenart::Polarenfarben;
    const bool wahl = art == TFarbtabellenart::Klappengruppenwahl;
    tabelle_->setHorizontalHeaderLabels({text(polaren ? 93 : 89), text(90)});
    setWindowTitle(wahl ? text(91) : QStringLiteral("Klappenfarbe wählen"));
    hinweis_->setText(text(polaren ? 96 : 92));
    hinweis_->setVisible(!wahl);
    schliessen_->setText(text(wahl ? 94 : 95));
    const std::array<TFarbwert, 100>& eintraege = Eintraege();
    for (int i = 0; i < 100; ++i) {
        auto* nummer = new QTableWidgetItem(QString::number(i));
        tabelle_->setItem(i, 0, nummer);
        auto* farbe = new QTableWidgetItem;
        farbe->setBackground(Farbwert(eintraege[i]));
        tabelle_->setItem(i, 1, farbe);
    }
}

void TFarbtabelle::Zeigen(TFarbtabellenart art)
{
    Fuellen(art);
    exec();
}

void TFarbtabelle::FarbeSetzen(int eintrag, const QColor& farbe)
{
    if (eintrag < 0 || eintrag >= 100) return;
    Eintraege()[eintrag] = Farbzahl(farbe);
    tabelle_->item(eintrag, 1)->setBackground(farbe);
    hauptfenster_.EinstellungenAnwenden();
}

void TFarbtabelle::GruppeWaehlen(int eintrag)
{
    TSZENE* szene = hauptfenster_.Szene.get();
    TFLAECHE* fl = szene && szene->Flugzeug ? szene->Flugzeug->Flaechen.Get(szene->Flugzeug->AktuelleFlaeche) : nullptr;
    TSEGMENT* s = fl ? fl->Segmente.Get(fl->AktuellesSegment) : nullptr;
    if (!s || eintrag < 0 || eintrag >= 100) return;
    s->Klappengruppe = eintrag;
    hauptfenster_.Host.SnapshotErstellen();
    hauptfenster_.Aktualisieren();
    hauptfenster_.NeuZeichnen();
    accept();
}
