// The folders window of the settings.
#include "ui/settings/Verzeichnisfenster.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Einstellungen.h"

TVerzeichnisfenster::TVerzeichnisfenster(TEinstellungen& einstellungen, QWidget* eltern)
    : QDialog(eltern), einstellungen_(einstellungen)
{
    setObjectName(QStringLiteral("Verzeichnisfenster"));
    setWindowTitle(QStringLiteral("Verzeichnisse"));
    auto* raster = new QGridLayout(this);
    int zeile = 0;
    for (auto [name, text, feld] : {std::tuple{"VerzeichnisFlugszenen", "Verzeichnis für die Flugszenen", &flugszenen_},
                                    std::tuple{"VerzeichnisProfile", "Verzeichnis für die Profildaten", &profile_}}) {
        auto* beschriftung = new QLabel(QString::fromUtf8(text), this);
        beschriftung->setObjectName(QStringLiteral("L_") + QString::fromLatin1(name));
        *feld = new QLineEdit(this);
        (*feld)->setObjectName(QString::fromLatin1(name));
        (*feld)->setMinimumWidth(360);
        auto* suchen = new QPushButton(QStringLiteral("Durchsuchen"), this);
        suchen->setObjectName(QStringLiteral("Durchsuchen_") + QString::fromLatin1(name));
        QLineEdit* ziel = *feld;
        connect(suchen, &QPushButton::clicked, this, [this, ziel] {
            const QString ordner = QFileDialog::getExistingDirectory(this, QStringLiteral("Verzeichnis suchen"), ziel->text());
            if (!ordner.isEmpty()) ziel->setText(ordner);
        });
        raster->addWidget(beschriftung, zeile++, 0, 1, 2);
        raster->addWidget(*feld, zeile, 0);
        raster->addWidget(suchen, zeile++, 1);
    }
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("VerzeichnisseSchliessen"));
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    raster->addWidget(schliessen, zeile, 1);
}

void TVerzeichnisfenster::showEvent(QShowEvent* ereignis)
{
    flugszenen_->setText(QString::fromStdString(einstellungen_.VerzeichnisFlugzszenen));
    profile_->setText(QString::fromStdString(einstellungen_.VerzeichnisProfile));
    QDialog::showEvent(ereignis);
}

void TVerzeichnisfenster::done(int ergebnis)
{
    einstellungen_.VerzeichnisFlugzszenen = flugszenen_->text().toStdString();
    einstellungen_.VerzeichnisProfile = profile_->text().toStdString();
    QDialog::done(ergebnis);
}
