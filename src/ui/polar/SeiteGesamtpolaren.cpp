// The page "Gesamtpolaren berechnen": its inputs go through the core's checks, the series itself is
// the core's; the page asks for the remark, shows progress and hands the new group to the window.
#include "ui/polar/SeiteGesamtpolaren.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/Zahlentext.h"
#include "model/Eingabegrenzen.h"
#include "ui/app/Hauptfenster.h"
#include "ui/polar/Polarfenster.h"
#include "ui/view/Segmentablage.h"

namespace {

/// A settings table that takes a segment dropped on one of its rows.
class TAblagetabelle : public QTableWidget {
public:
    TAblagetabelle(int zeilen, int spalten, QWidget* eltern, std::function<void(int, int, int)> ablegen)
        : QTableWidget(zeilen, spalten, eltern), ablegen_(std::move(ablegen))
    {
        setAcceptDrops(true);
        viewport()->setAcceptDrops(true);
        setDragDropMode(QAbstractItemView::DropOnly);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* e) override { Annehmen(e); }
    void dragMoveEvent(QDragMoveEvent* e) override { Annehmen(e); }
    void dropEvent(QDropEvent* e) override
    {
        const QStringList teile = QString::fromLatin1(e->mimeData()->data(QString::fromLatin1(SegmentMimeTyp))).split(' ');
        const int zeile = rowAt(e->position().toPoint().y());
        if (teile.size() != 2 || zeile < 0) return;
        e->acceptProposedAction();
        ablegen_(zeile, teile[0].toInt(), teile[1].toInt());
    }

private:
    void Annehmen(QDragMoveEvent* e)
    {
        if (e->mimeData()->hasFormat(QString::fromLatin1(SegmentMimeTyp))) e->acceptProposedAction();
        else e->ignore();
    }

    std::function<void(int, int, int)> ablegen_;
};

/// Frames each row of the flap table in the colour its group is drawn in.
class TGruppenrahmen : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(p, option, index);
        const QVariant farbe = index.data(Qt::UserRole);
        if (!farbe.isValid()) return;
        p->save();
        p->setPen(QPen(farbe.value<QColor>(), 2));
        const QRect r = option.rect.adjusted(1, 1, -1, -1);
        p->drawLine(r.topLeft(), r.topRight());
        p->drawLine(r.bottomLeft(), r.bottomRight());
        if (index.column() == 0) p->drawLine(r.topLeft(), r.bottomLeft());
        if (index.column() == index.model()->columnCount() - 1) p->drawLine(r.topRight(), r.bottomRight());
        p->restore();
    }
};

TFLUGZEUG* FlugzeugVon(const THauptfenster& h) { return h.Szene ? h.Szene->Flugzeug.get() : nullptr; }

std::string Winkel(Extended wert, char trennzeichen) { return RealToText(wert, 0, 5, trennzeichen); }

QTableWidget* Tabelle(QWidget* eltern, const char* name, const QStringList& titel, std::function<void(int, int, int)> ablegen)
{
    auto* t = new TAblagetabelle(4, 4, eltern, std::move(ablegen));
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(titel);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < 4; ++r)
        for (int s = 0; s < 4; ++s) {
            auto* item = new QTableWidgetItem;
            if (s == 3) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            t->setItem(r, s, item);
        }
    t->setMinimumHeight(t->horizontalHeader()->height() + 4 * t->verticalHeader()->defaultSectionSize() + 6);
    return t;
}

}  // namespace

TSeiteGesamtpolaren::TSeiteGesamtpolaren(THauptfenster& hauptfenster) : QWidget(&hauptfenster), haupt_(hauptfenster)
{
    setObjectName(QStringLiteral("SeiteGesamtpolaren"));
    polarfenster_ = new TPolarfenster(hauptfenster);
    auto* l = new QVBoxLayout(this);

    auto* oben = new QFormLayout;
    l->addLayout(oben);
    haupt_.Feld(
        oben, QStringLiteral("AnzahlSchritte"), QStringLiteral("Anzahl Schritte"),
        [this](char) { auto* f = FlugzeugVon(haupt_); return f ? std::to_string(f->GesamtpolarSchrittzahl) : std::string(); },
        [this](const std::string& s) {
            auto* f = FlugzeugVon(haupt_);
            return f && EingabeUebernehmen(haupt_.Host, TEingabefeld::GesamtpolarSchrittzahl, s, f->GesamtpolarSchrittzahl);
        },
        TNeuaufbau::Keiner);

    auto* fix = new QGroupBox(QStringLiteral("Fixierung"), this);
    fix->setObjectName(QStringLiteral("Fixierung"));
    auto* fixzeile = new QHBoxLayout(fix);
    fixierung_ = new QButtonGroup(this);
    for (auto [name, text, art] : {std::tuple{"SchwerpunktFixieren", "Schwerpunkt fixieren", TPolarfixierung::Schwerpunkt},
                                   std::tuple{"CaFixieren", "CA fixieren", TPolarfixierung::Ca},
                                   std::tuple{"AnstellwinkelFixieren", "Anstellwinkel fixieren", TPolarfixierung::Anstellwinkel}}) {
        auto* k = new QRadioButton(QString::fromUtf8(text), fix);
        k->setObjectName(QString::fromLatin1(name));
        fixierung_->addButton(k, static_cast<int>(art));
        fixzeile->addWidget(k);
    }
    fixierung_->button(static_cast<int>(TPolarfixierung::Schwerpunkt))->setChecked(true);
    fixzeile->addStretch(1);
    l->addWidget(fix);

    reihen_ = new QTabWidget(this);
    reihen_->setObjectName(QStringLiteral("Polarreihen"));
    klappen_ = Tabelle(reihen_, "Klappenberechnungen",
                       {QStringLiteral("Gruppe"), QStringLiteral("Start [°]"), QStringLiteral("Ende [°]"),
                        QStringLiteral("Beschreibung")},
                       [this](int z, int fl, int seg) { SegmentAblegen(klappen_, z, fl, seg); });
    klappen_->setItemDelegate(new TGruppenrahmen(klappen_));
    reihen_->addTab(klappen_, QStringLiteral("Klappenberechnungen"));
    ewd_ = Tabelle(reihen_, "EwdBerechnungen",
                   {QStringLiteral("Fläche"), QStringLiteral("Start [°]"), QStringLiteral("Ende [°]"),
                    QStringLiteral("Bezeichnung")},
                   [this](int z, int fl, int seg) { SegmentAblegen(ewd_, z, fl, seg); });
    reihen_->addTab(ewd_, QStringLiteral("EWD-Berechnungen"));
    auto* winkel = new QWidget(reihen_);
    winkel->setObjectName(QStringLiteral("AnstellwinkelBerechnung"));
    auto* wf = new QFormLayout(winkel);
    for (auto [name, text, wert] : {std::tuple{"PolarAnstellwinkelStart", "Anstellwinkel Start [°]", &TFLUGZEUG::PolarAnstellwinkelStart},
                                    std::tuple{"PolarAnstellwinkelEnde", "Anstellwinkel Ende [°]", &TFLUGZEUG::PolarAnstellwinkelEnde}})
        haupt_.Feld(
            wf, QString::fromLatin1(name), QString::fromUtf8(text),
            [this, wert = wert](char t) { auto* f = FlugzeugVon(haupt_); return f ? Winkel(f->*wert, t) : std::string(); },
            [this, wert = wert](const std::string& s) {
                auto* f = FlugzeugVon(haupt_);
                return f && EingabeUebernehmen(haupt_.Host, TEingabefeld::Anstellwinkel, s, f->*wert);
            },
            TNeuaufbau::Keiner);
    auto* hinweis = new QLabel(QStringLiteral("Klappenausschläge und Flächen-Einstellwinkel werden nicht geändert !!"), winkel);
    hinweis->setObjectName(QStringLiteral("AnstellwinkelHinweis"));
    wf->addRow(hinweis);
    reihen_->addTab(winkel, QStringLiteral("Anstellwinkel-Berechnung"));
    l->addWidget(reihen_);
    for (QTableWidget* t : {klappen_, ewd_})
        connect(t, &QTableWidget::itemChanged, this, [this, t](QTableWidgetItem* item) {
            if (!fuellt_ && item->column() < 3) TabelleLesen(t);
        });

    loeschen_ = new QCheckBox(QStringLiteral("Polarentabelle beim Start löschen"), this);
    loeschen_->setObjectName(QStringLiteral("PolarenBeimStartLoeschen"));
    l->addWidget(loeschen_);

    auto* knoepfe = new QHBoxLayout;
    start_ = new QPushButton(QStringLiteral("Start"), this);
    start_->setObjectName(QStringLiteral("PolarStart"));
    stopp_ = new QPushButton(QStringLiteral("Stopp"), this);
    stopp_->setObjectName(QStringLiteral("PolarStopp"));
    auto* anzeigen = new QPushButton(QStringLiteral("Gesamtpolaren anzeigen"), this);
    anzeigen->setObjectName(QStringLiteral("GesamtpolarenAnzeigen"));
    knoepfe->addWidget(start_);
    knoepfe->addWidget(stopp_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(anzeigen);
    l->addLayout(knoepfe);
    connect(start_, &QPushButton::clicked, this, &TSeiteGesamtpolaren::Starten);
    connect(stopp_, &QPushButton::clicked, this, &TSeiteGesamtpolaren::Stoppen);
    connect(anzeigen, &QPushButton::clicked, polarfenster_, &TPolarfenster::Zeigen);

    auto* balkenzeile = new QFormLayout;
    fortschritt_ = new QProgressBar(this);
    fortschritt_->setObjectName(QStringLiteral("PolarFortschritt"));
    fortschritt_->setValue(0);
    auto* balkentext = new QLabel(QStringLiteral("Fortschritt Gesamtpolarenberechnung"), this);
    balkentext->setObjectName(QStringLiteral("L_PolarFortschritt"));
    balkenzeile->addRow(balkentext, fortschritt_);
    l->addLayout(balkenzeile);
    l->addStretch(1);
    Knoepfe(false);
}

void TSeiteGesamtpolaren::Knoepfe(bool laeuft)
{
    start_->setEnabled(!laeuft);
    stopp_->setEnabled(laeuft);
}

TPolarreihe TSeiteGesamtpolaren::Reihe() const
{
    switch (reihen_->currentIndex()) {
    case 0: return TPolarreihe::Klappen;
    case 1: return TPolarreihe::Ewd;
    default: return TPolarreihe::Anstellwinkel;
    }
}

void TSeiteGesamtpolaren::Aktualisieren()
{
    const TFLUGZEUG* f = FlugzeugVon(haupt_);
    const char t = haupt_.Trennzeichen();
    fuellt_ = true;
    for (int r = 0; r < 4; ++r) {
        const auto setzen = [](QTableWidget* tabelle, int zeile, const std::array<QString, 4>& texte, const QVariant& farbe) {
            for (int s = 0; s < 4; ++s) {
                tabelle->item(zeile, s)->setText(texte[s]);
                tabelle->item(zeile, s)->setData(Qt::UserRole, farbe);
            }
        };
        if (!f) {
            setzen(klappen_, r, {}, {});
            setzen(ewd_, r, {}, {});
            continue;
        }
        const TGesamtpolarHauptZeile& k = f->GesamtpolarHaupt[r];
        const bool gruppe = k.Klappengruppe > 0 && k.Klappengruppe < AnzahlKlappengruppen;
        setzen(klappen_, r,
               {QString::number(k.Klappengruppe), QString::fromStdString(Winkel(k.Start, t)),
                QString::fromStdString(Winkel(k.Ende, t)),
                gruppe ? QString::fromStdString(f->Klappengruppenbeschreibung[k.Klappengruppe]) : QString()},
               gruppe ? QVariant(haupt_.Farben.Klappengruppen[k.Klappengruppe]) : QVariant());
        const TGesamtpolarEwdZeile& e = f->GesamtpolarEwd[r];
        const TFLAECHE* fl = e.Flaeche >= 0 ? f->Flaechen.Get(e.Flaeche) : nullptr;
        setzen(ewd_, r,
               {QString::number(e.Flaeche), QString::fromStdString(Winkel(e.Start, t)),
                QString::fromStdString(Winkel(e.Ende, t)), fl ? QString::fromStdString(fl->Bezeichnung) : QString()},
               {});
    }
    fuellt_ = false;
}

void TSeiteGesamtpolaren::TabelleLesen(QTableWidget* tabelle)
{
    TFLUGZEUG* f = FlugzeugVon(haupt_);
    if (!f) return;
    std::array<TPolartabellenzeile, 4> zeilen;
    for (int r = 0; r < 4; ++r)
        zeilen[r] = {tabelle->item(r, 0)->text().trimmed().toStdString(), tabelle->item(r, 1)->text().trimmed().toStdString(),
                     tabelle->item(r, 2)->text().trimmed().toStdString()};
    haupt_.Host.Flags.FehlertextGezeigt = false;
    if (tabelle == klappen_) KlappentabelleLesen(haupt_.Host, *f, zeilen);
    else EwdTabelleLesen(haupt_.Host, *f, zeilen);
    haupt_.Geaendert = true;
    haupt_.Host.SnapshotErstellen();
    // After a wrong entry its text stays for the user to correct; otherwise the table shows what
    // the model took, cleared rows included.
    if (!haupt_.Host.Flags.FehlertextGezeigt) Aktualisieren();
}

void TSeiteGesamtpolaren::SegmentAblegen(QTableWidget* tabelle, int zeile, int flaeche, int segment)
{
    const TFLUGZEUG* f = FlugzeugVon(haupt_);
    const TFLAECHE* fl = f ? f->Flaechen.Get(flaeche) : nullptr;
    const TSEGMENT* seg = fl ? fl->Segmente.Get(segment) : nullptr;
    if (!seg || zeile < 0 || zeile >= 4) return;
    {
        const QSignalBlocker still(tabelle);
        tabelle->item(zeile, 0)->setText(QString::number(tabelle == klappen_ ? seg->Klappengruppe : flaeche));
    }
    TabelleLesen(tabelle);
}

void TSeiteGesamtpolaren::Starten()
{
    THost& host = haupt_.Host;
    if (!FlugzeugVon(haupt_) || host.Flags.RechnungLaeuft || host.Flags.GesamtpolarLaeuft) return;

    TGesamtpolaroptionen optionen;
    if (haupt_.Host.AutomatischeAntwort == KnopfKeiner) {
        QDialog frage(this);
        frage.setObjectName(QStringLiteral("Bemerkungsdialog"));
        frage.setWindowTitle(QString::fromStdString(host.Ausgabetext(124)));
        auto* fl = new QVBoxLayout(&frage);
        auto* text = new QLineEdit(&frage);
        text->setMinimumWidth(360);
        fl->addWidget(text);
        auto* knoepfe = new QDialogButtonBox(&frage);
        knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
        knoepfe->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole);
        connect(knoepfe, &QDialogButtonBox::accepted, &frage, &QDialog::accept);
        connect(knoepfe, &QDialogButtonBox::rejected, &frage, &QDialog::reject);
        fl->addWidget(knoepfe);
        if (frage.exec() != QDialog::Accepted) return;
        optionen.Bemerkung = text->text().toStdString();
    } else if (haupt_.Host.AutomatischeAntwort == KnopfABORT) {
        return;
    }
    optionen.Reihe = Reihe();
    optionen.Fixierung = static_cast<TPolarfixierung>(fixierung_->checkedId());
    optionen.ListeLoeschen = loeschen_->isChecked();
    optionen.Dezimaltrenner = haupt_.Trennzeichen();
    optionen.Auslegung.Rechnen.Loeser.Multithread = haupt_.multithread_->isChecked();
    optionen.Auslegung.Rechnen.Wasser = haupt_.wasser_->isChecked();
    optionen.Fortschritt = [this](int position, int maximum) {
        fortschritt_->setMaximum(std::max(maximum, 1));
        fortschritt_->setValue(position);
    };
    if (optionen.ListeLoeschen) polarfenster_->AuswahlLoeschen();

    // Loading another scene while the series runs would pull the aircraft from under it.
    haupt_.menuBar()->setEnabled(false);
    Knoepfe(true);
    const TGesamtpolarergebnis ergebnis =
        GesamtpolarBerechnen(*haupt_.Szene, haupt_.Schalter, host, polarfenster_->Liste(), optionen);
    Knoepfe(false);
    haupt_.menuBar()->setEnabled(true);
    fortschritt_->setValue(0);
    host.Statustext({});
    if (ergebnis.Ausgang == TGesamtpolarausgang::Abgebrochen) polarfenster_->hide();
    polarfenster_->Auffrischen();
    haupt_.Aktualisieren();
    haupt_.NeuZeichnen();
    if (haupt_.schliessenNachRechnung_) {
        haupt_.schliessenNachRechnung_ = false;
        haupt_.close();
    }
}

void TSeiteGesamtpolaren::Stoppen()
{
    GesamtpolarStoppen(haupt_.Host);
    fortschritt_->setValue(0);
}
