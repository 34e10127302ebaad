// The profile selection window: folder and file lists, preview, values, checks, taking over.
#include "ui/dialogs/Profilauswahl.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/Sprachtexte.h"
#include "common/Dateiendung.h"
#include "common/Fehler.h"
#include "common/Zahlentext.h"
#include "profile/Profilbeiwerte.h"
#include "profile/T_Profil.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/Profilzeichnung.h"

namespace {

/// The drawing area of the preview.
class TProfilvorschau : public QWidget {
public:
    TProfilvorschau(const TProfil& profil, QWidget* eltern) : QWidget(eltern), profil_(profil)
    {
        setObjectName(QStringLiteral("Vorschau"));
        setMinimumSize(360, 140);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        ProfilZeichnen(maler, profil_, width(), height(), Qt::black, true, true);
    }

private:
    const TProfil& profil_;
};

QListWidget* Liste(QWidget* eltern, const char* name)
{
    auto* l = new QListWidget(eltern);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

TProfilauswahl::TProfilauswahl(THauptfenster& hauptfenster)
    : QDialog(&hauptfenster), haupt_(hauptfenster), vorschau_(std::make_unique<TProfil>()),
      ordnerfeld_(new QLineEdit(this)), ordnerliste_(Liste(this, "Ordnerliste")), dateiliste_(Liste(this, "Dateiliste")),
      beiwerte_(Liste(this, "Beiwerte")), fehlerliste_(Liste(this, "Fehlerliste")),
      zeichnung_(new TProfilvorschau(*vorschau_, this))
{
    setObjectName(QStringLiteral("Profilauswahl"));
    setWindowTitle(QStringLiteral("Profilauswahl"));
    ordnerfeld_->setObjectName(QStringLiteral("Ordner"));
    fehlerliste_->setStyleSheet(QStringLiteral("color: red"));
    fehlerliste_->setMaximumHeight(110);

    auto* uebernehmen = new QPushButton(QStringLiteral("Profil übernehmen"), this);
    uebernehmen->setObjectName(QStringLiteral("ProfilUebernehmen"));
    auto* abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    abbruch->setObjectName(QStringLiteral("Abbruch"));

    auto* links = new QVBoxLayout;
    links->addWidget(Beschriftung(this, "L_Ordner", QStringLiteral("Ordner")));
    links->addWidget(ordnerfeld_);
    links->addWidget(ordnerliste_, 1);
    links->addWidget(Beschriftung(this, "L_Dateiliste", QStringLiteral("Profildateien (*.dat)")));
    links->addWidget(dateiliste_, 2);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Beschriftung(this, "L_Beiwerte", QStringLiteral("Beiwerte des gewählten Profiles")));
    rechts->addWidget(beiwerte_, 1);
    rechts->addWidget(zeichnung_, 1);
    rechts->addWidget(Beschriftung(this, "L_Fehlerliste", QStringLiteral("Fehlerliste")));
    rechts->addWidget(fehlerliste_);
    auto* spalten = new QHBoxLayout;
    spalten->addLayout(links, 2);
    spalten->addLayout(rechts, 3);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(uebernehmen);
    knoepfe->addWidget(abbruch);
    auto* l = new QVBoxLayout(this);
    l->addLayout(spalten, 1);
    l->addLayout(knoepfe);
    resize(820, 600);

    connect(ordnerfeld_, &QLineEdit::returnPressed, this, [this] {
        if (!OrdnerZeigen(ordnerfeld_->text())) ordnerfeld_->setText(QDir::toNativeSeparators(ordner_));
    });
    connect(ordnerliste_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OrdnerZeigen(QDir(ordner_).filePath(item->text())); });
    connect(dateiliste_, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty()) DateiWaehlen(name);
    });
    connect(dateiliste_, &QListWidget::itemActivated, this, [this] { Uebernehmen(); });
    connect(uebernehmen, &QPushButton::clicked, this, [this] { Uebernehmen(); });
    connect(abbruch, &QPushButton::clicked, this, &QWidget::hide);
}

TProfilauswahl::~TProfilauswahl() = default;

void TProfilauswahl::Oeffnen(bool segment)
{
    const TFLUGZEUG* f = haupt_.Szene ? haupt_.Szene->Flugzeug.get() : nullptr;
    if (!f) return;
    const TProfilziel ziel = AktuellesProfilziel(*f, segment);
    if (ziel.Flaeche < 0) return;
    ziel_ = ziel;
    // The folder last closed in, else the program's own; one that has gone is passed over.
    if (Profilverzeichnis.empty() || !OrdnerZeigen(QString::fromStdString(Profilverzeichnis.string())))
        OrdnerZeigen(QString::fromStdString(Programmverzeichnis().string()));
    if (!isVisible()) {
        if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
        show();
    }
    raise();
    activateWindow();
    dateiliste_->setFocus();
}

bool TProfilauswahl::OrdnerZeigen(const QString& ordner)
{
    QDir dir(ordner);
    if (ordner.isEmpty() || !dir.exists() || !dir.isReadable()) return false;
    ordner_ = dir.absolutePath();
    ordnerfeld_->setText(QDir::toNativeSeparators(ordner_));
    ordnerliste_->clear();
    if (!dir.isRoot()) ordnerliste_->addItem(QStringLiteral(".."));
    ordnerliste_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    dateiliste_->clear();
    dateiliste_->addItems(dir.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    return true;
}

bool TProfilauswahl::DateiWaehlen(const QString& name)
{
    const QList<QListWidgetItem*> treffer = dateiliste_->findItems(name, Qt::MatchExactly);
    if (treffer.isEmpty()) return false;
    if (dateiliste_->currentItem() != treffer.front()) {
        dateiliste_->setCurrentItem(treffer.front());  // comes back here through the list's signal
        return true;
    }
    // A preview that cannot be read keeps the last readable one: nothing to report here, the
    // error comes when the file is taken over.
    try {
        vorschau_->LoadDat(QDir(ordner_).filePath(name).toStdString());
        BerechneBeiwerte(*vorschau_);
    } catch (const std::exception&) {
    }
    VorschauFuellen();
    return true;
}

void TProfilauswahl::VorschauFuellen()
{
    const char trennzeichen = QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    beiwerte_->clear();
    for (int i = 0; i < TProfil::AnzahlBeiwerte; ++i)
        beiwerte_->addItem(QString::fromLatin1(TProfil::Beiwertnamen[i]) + QStringLiteral(" = ") +
                           QString::fromStdString(RealToText(vorschau_->Beiwert(i), 0, 5, trennzeichen)) +
                           QString::fromUtf8(Beiwerteinheiten[i]));
    fehlerliste_->clear();
    if (vorschau_->Anzahl() > 0) {
        const TProfilpruefung p = vorschau_->Pruefen();
        const std::pair<bool, int> fehler[] = {{!p.Nasenhoehe, 153},    {!p.Endleistenmitte, 154},
                                               {!p.Nasenposition, 155}, {!p.EndleisteOben, 156},
                                               {!p.EndleisteUnten, 157}, {p.AnzahlXNull == 0, 158},
                                               {p.AnzahlXNull > 1, 159}};
        for (auto [gescheitert, text] : fehler)
            if (gescheitert) fehlerliste_->addItem(QString::fromStdString(haupt_.Host.Ausgabetext(text)).trimmed());
    }
    zeichnung_->update();
}

bool TProfilauswahl::Uebernehmen()
{
    const QListWidgetItem* datei = dateiliste_->currentItem();
    if (!datei) return false;
    const std::filesystem::path pfad = QDir(ordner_).filePath(datei->text()).toStdString();
    bool uebernommen = false;
    try {
        uebernommen = haupt_.Bearbeiten([&](TBearbeitung& b) { return ProfilUebernehmen(b, ziel_, pfad); });
    } catch (const std::exception& e) {
        QMessageBox::warning(this, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
        return false;
    }
    if (uebernommen) hide();
    return uebernommen;
}

void TProfilauswahl::SpeichernUnter(bool segment)
{
    TFLUGZEUG* f = haupt_.Szene ? haupt_.Szene->Flugzeug.get() : nullptr;
    const TProfil* profil = f ? Zielprofil(*f, AktuellesProfilziel(*f, segment)) : nullptr;
    if (!profil) return;
    const std::filesystem::path ordner = Profilverzeichnis.empty() ? Programmverzeichnis() : Profilverzeichnis;
    const QString gewaehlt = QFileDialog::getSaveFileName(
        &haupt_, QString(), QString::fromStdString((ordner / profil->Dateiname).string()),
        QStringLiteral("Profildateien (*dat)"));
    if (!gewaehlt.isEmpty()) ProfilSpeichern(segment, gewaehlt.toStdString());
}

std::filesystem::path TProfilauswahl::ProfilSpeichern(bool segment, const std::filesystem::path& gewaehlt)
{
    TFLUGZEUG* f = haupt_.Szene ? haupt_.Szene->Flugzeug.get() : nullptr;
    const TProfil* profil = f ? Zielprofil(*f, AktuellesProfilziel(*f, segment)) : nullptr;
    if (!profil) return {};
    const std::filesystem::path ziel = DateinameMitEndung(gewaehlt, ".dat");
    try {
        profil->SaveDat(ziel);
    } catch (const std::exception& e) {
        QMessageBox::warning(&haupt_, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
        return {};
    }
    Profilverzeichnis = ziel.parent_path();
    return ziel;
}

void TProfilauswahl::hideEvent(QHideEvent* ereignis)
{
    if (!ordner_.isEmpty()) Profilverzeichnis = ordner_.toStdString();
    QDialog::hideEvent(ereignis);
}
