// A formatted-export window over the core's line makers and writer.
#include "ui/dialogs/Formatexportfenster.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "results/Formatexport.h"
#include "results/Polarliste.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/Bauexportwahl.h"

namespace {

/// A group of radio buttons, the one at `gewaehlt` checked; returns the buttons in order.
std::vector<QRadioButton*> Wahlgruppe(QWidget* eltern, QHBoxLayout* zeile, const char* name, const QString& titel,
                                      std::vector<std::pair<const char*, const char*>> knoepfe, int gewaehlt)
{
    auto* gruppe = new QGroupBox(titel, eltern);
    gruppe->setObjectName(QString::fromLatin1(name));
    auto* l = new QVBoxLayout(gruppe);
    std::vector<QRadioButton*> r;
    for (auto [objekt, text] : knoepfe) {
        auto* k = new QRadioButton(QString::fromUtf8(text), gruppe);
        k->setObjectName(QString::fromLatin1(objekt));
        l->addWidget(k);
        r.push_back(k);
    }
    r[gewaehlt]->setChecked(true);
    zeile->addWidget(gruppe);
    return r;
}

}  // namespace

TFormatexportfenster::TFormatexportfenster(THauptfenster& hauptfenster, TFormatexportart art,
                                           std::function<const TPolarliste*()> polarliste)
    : QDialog(&hauptfenster), haupt_(hauptfenster), art_(art), polarliste_(std::move(polarliste)),
      zeilen_(new QListWidget(this))
{
    static const char* const namen[] = {"GeometrieExport", "WerteExport", "PolarenExport"};
    static const char* const titel[] = {"Formatierter Geometrie-Export", "Formatierter Export, Berechnete Werte",
                                        "Formatierter Export, Gesamtpolaren"};
    setObjectName(QString::fromLatin1(namen[int(art)]));
    setWindowTitle(QString::fromUtf8(titel[int(art)]));
    setModal(true);

    auto* wahl = new QHBoxLayout;
    const auto dezimal = Wahlgruppe(this, wahl, "Dezimalseparator", QStringLiteral("Dezimalseparator"),
                                    {{"DezimalKomma", "Komma ','"}, {"DezimalPunkt", "Punkt '.'"},
                                     {"DezimalLand", "Länderspezifisch"}}, 2);
    const auto zelle = Wahlgruppe(this, wahl, "Zellenseparator", QStringLiteral("Zellenseparator"),
                                  {{"ZelleKomma", "Komma ','"}, {"ZelleSemikolon", "Semikolon ';'"}}, 1);
    const auto endung = Wahlgruppe(this, wahl, "Dateiendung", QStringLiteral("Dateiendung"),
                                   {{"EndungCsv", "*.CSV"}, {"EndungTxt", "*.TXT"}}, 0);
    wahl->addStretch(1);
    dezimalKomma_ = dezimal[0];
    dezimalPunkt_ = dezimal[1];
    zelleKomma_ = zelle[0];
    endungTxt_ = endung[1];
    for (QRadioButton* k : dezimal) connect(k, &QRadioButton::clicked, this, &TFormatexportfenster::TextErzeugen);
    for (QRadioButton* k : zelle) connect(k, &QRadioButton::clicked, this, &TFormatexportfenster::TextErzeugen);

    zeilen_->setObjectName(QStringLiteral("Exportzeilen"));
    zeilen_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* speichern = new QPushButton(QStringLiteral("Speichern unter"), this);
    speichern->setObjectName(QStringLiteral("SpeichernUnter"));
    auto* schliessen = new QPushButton(QStringLiteral("Fenster schließen"), this);
    schliessen->setObjectName(QStringLiteral("FensterSchliessen"));
    for (QPushButton* k : {speichern, schliessen}) k->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(speichern);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);

    auto* l = new QVBoxLayout(this);
    l->addLayout(wahl);
    l->addWidget(zeilen_, 1);
    l->addLayout(knoepfe);
    resize(760, 560);

    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);
    connect(speichern, &QPushButton::clicked, this, [this] {
        static const char* const zusatz[] = {"_GEO", "_BW", "_POL"};
        const std::string x = Endung();
        const std::string szene = haupt_.Szene ? haupt_.Szene->Name : std::string();
        const QString name = QFileDialog::getSaveFileName(
            this, QString(), QString::fromStdString((Exportordner(haupt_) / (szene + zusatz[int(art_)] + x)).string()),
            QStringLiteral("Formatierte Files (*%1)").arg(QString::fromStdString(x)));
        if (!name.isEmpty()) Speichern(name.toStdString());
    });
}

void TFormatexportfenster::Zeigen()
{
    TextErzeugen();
    show();
    raise();
    activateWindow();
}

std::string TFormatexportfenster::Endung() const { return endungTxt_->isChecked() ? ".TXT" : ".CSV"; }

void TFormatexportfenster::TextErzeugen()
{
    TExportoptionen optionen;
    const QLocale system = QLocale::system();
    const QChar land = system.decimalPoint().isEmpty() ? QLatin1Char('.') : system.decimalPoint().front();
    optionen.Dezimaltrenner = dezimalKomma_->isChecked() ? ',' : dezimalPunkt_->isChecked() ? '.' : land.toLatin1();
    optionen.Zellentrenner = zelleKomma_->isChecked() ? ',' : ';';
    const QDateTime jetzt = QDateTime::currentDateTime();
    optionen.Zeitstempel = (system.toString(jetzt.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                            jetzt.time().toString(QStringLiteral("HH:mm:ss")))
                               .toStdString();
    TFLUGZEUG* f = haupt_.Szene ? haupt_.Szene->Flugzeug.get() : nullptr;
    std::vector<std::string> zeilen;
    switch (art_) {
    case TFormatexportart::Geometrie: zeilen = GeometrieExport(f, haupt_.Host, optionen); break;
    case TFormatexportart::Werte: zeilen = WerteExport(f, haupt_.Host, optionen); break;
    case TFormatexportart::Polaren: {
        static const TPolarliste leer;
        const TPolarliste* liste = polarliste_ ? polarliste_() : nullptr;
        zeilen = PolarenExport(liste ? *liste : leer, haupt_.Host, optionen);
        break;
    }
    }
    zeilen_->clear();
    for (const std::string& z : zeilen) zeilen_->addItem(QString::fromStdString(z));
}

std::filesystem::path TFormatexportfenster::Speichern(const std::filesystem::path& gewaehlt)
{
    std::vector<std::string> zeilen;
    for (int i = 0; i < zeilen_->count(); ++i) zeilen.push_back(zeilen_->item(i)->text().toStdString());
    try {
        return ExportSpeichern(zeilen, gewaehlt, Endung());
    } catch (const std::exception& e) {
        QMessageBox::warning(this, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
        return {};
    }
}
