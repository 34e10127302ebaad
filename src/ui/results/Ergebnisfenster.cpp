// The window "Berechnete Werte": tabs, the page text from the core and "Speichern unter".
#include "ui/results/Ergebnisfenster.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "app/Sprachtexte.h"
#include "results/Werteausgabe.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/Formatexportfenster.h"
#include "ui/view/Diagramm2D.h"

TErgebnisfenster::TErgebnisfenster(THauptfenster& hauptfenster)
    : QDialog(&hauptfenster), haupt_(hauptfenster), reiter_(new QTabBar(this)), text_(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("Ergebnisfenster"));
    setWindowTitle(QStringLiteral("Berechnete Werte"));
    reiter_->setObjectName(QStringLiteral("Reiter"));
    text_->setObjectName(QStringLiteral("Werte"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setTabStopDistance(text_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 10);

    auto* speichern = new QPushButton(QStringLiteral("Speichern unter"), this);
    speichern->setObjectName(QStringLiteral("SpeichernUnter"));
    auto* export_ = new QPushButton(QStringLiteral("Formatierter Export"), this);
    export_->setObjectName(QStringLiteral("FormatierterExport"));
    auto* schliessen = new QPushButton(QStringLiteral("Fenster schließen"), this);
    schliessen->setObjectName(QStringLiteral("FensterSchliessen"));

    auto* l = new QVBoxLayout(this);
    l->addWidget(reiter_);
    l->addWidget(text_, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(speichern);
    knoepfe->addWidget(export_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);
    l->addLayout(knoepfe);
    resize(900, 640);

    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);
    connect(export_, &QPushButton::clicked, this, [this] {
        if (auto* werte = haupt_.findChild<TFormatexportfenster*>(QStringLiteral("WerteExport"))) werte->Zeigen();
    });
    connect(speichern, &QPushButton::clicked, this, [this] {
        if (!haupt_.Host.Flags.ErgebnisseGueltig || !haupt_.Szene->Flugzeug) return;
        std::filesystem::path ordner = haupt_.Szenenverzeichnis.empty() ? Programmverzeichnis() : haupt_.Szenenverzeichnis;
        const QString name = QFileDialog::getSaveFileName(
            this, QString(), QString::fromStdString((ordner / (haupt_.Szene->Name + ".VelOut")).string()),
            QStringLiteral("Berechnte Werte (*.VelOut)"));
        if (!name.isEmpty()) Speichern(name);
    });
    connect(reiter_, &QTabBar::currentChanged, this, [this](int k) {
        if (fuellt_) return;
        TFLUGZEUG* f = haupt_.Szene->Flugzeug.get();
        if (f && k > 0) {
            // The main window follows the surface chosen here.
            f->AktuelleFlaeche = k - 1;
            haupt_.NeuZeichnen();
            haupt_.Aktualisieren();
        }
        Aktualisieren();
    });
}

void TErgebnisfenster::Zeigen()
{
    TFLUGZEUG* f = haupt_.Szene->Flugzeug.get();
    fuellt_ = true;
    while (reiter_->count() > 0) reiter_->removeTab(0);
    if (f)
        for (int k = 0; k <= f->Flaechen.Count(); ++k)
            reiter_->addTab(QString::fromStdString(Seitentitel(*f, k, haupt_.Host)));
    reiter_->setCurrentIndex(0);
    fuellt_ = false;
    show();
    raise();
    Aktualisieren();
}

void TErgebnisfenster::Aktualisieren()
{
    TFLUGZEUG* f = haupt_.Szene->Flugzeug.get();
    if (!f) {
        text_->clear();
        return;
    }
    const int k = reiter_->currentIndex();
    const char t = QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
    std::vector<std::string> zeilen;
    if (k <= 0) zeilen = FlugzeugText(*f, haupt_.Host, t);
    else if (const TFLAECHE* fl = f->Flaechen.Get(k - 1)) zeilen = FlaechenText(*fl, haupt_.Host, t);
    QString text;
    for (const std::string& z : zeilen) text += QString::fromStdString(z) + QLatin1Char('\n');
    text_->setPlainText(text);
    StreifenHervorheben(zeilen);
}

void TErgebnisfenster::StreifenHervorheben(const std::vector<std::string>& zeilen)
{
    markierteZeile_ = -1;
    QList<QTextEdit::ExtraSelection> hervorhebung;
    const TFLUGZEUG* f = haupt_.Szene->Flugzeug.get();
    const int streifen = haupt_.Diagramm2D() ? haupt_.Diagramm2D()->Markierungsstreifen() : -1;
    // The diagram's marker lies on the current surface: its strip is marked on that surface's tab.
    if (f && streifen >= 0 && reiter_->currentIndex() == f->AktuelleFlaeche + 1) {
        // The strip table closes the page, so its lines are found from the end.
        const std::string anfang = std::to_string(streifen) + ") ";
        for (int i = int(zeilen.size()) - 1; i >= 0 && markierteZeile_ < 0; --i)
            if (zeilen[std::size_t(i)].starts_with(anfang)) markierteZeile_ = i;
    }
    if (markierteZeile_ >= 0) {
        QTextEdit::ExtraSelection zeile;
        zeile.cursor = QTextCursor(text_->document()->findBlockByNumber(markierteZeile_));
        zeile.format.setBackground(QColor(255, 255, 160));
        zeile.format.setProperty(QTextFormat::FullWidthSelection, true);
        hervorhebung.append(zeile);
        text_->setTextCursor(zeile.cursor);
        text_->ensureCursorVisible();
    }
    text_->setExtraSelections(hervorhebung);
}

QString TErgebnisfenster::Text() const { return text_->toPlainText(); }

bool TErgebnisfenster::Speichern(const QString& gewaehlt)
{
    TFLUGZEUG* f = haupt_.Szene->Flugzeug.get();
    if (!f) return false;
    try {
        const char t = QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
        return !ErgebnisdateiSpeichern(*f, haupt_.Host, gewaehlt.toStdString(), t).empty();
    } catch (const std::exception& e) {
        QMessageBox::warning(this, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
        return false;
    }
}
