// The import window over the core's import.
#include "ui/dialogs/Importdialog.h"

#include <QMessageBox>

#include "app/Sprachtexte.h"
#include "import/Import.h"
#include "ui/app/Hauptfenster.h"

TImportdialog::TImportdialog(THauptfenster& hauptfenster) : QFileDialog(&hauptfenster), haupt_(hauptfenster)
{
    setObjectName(QStringLiteral("Importdialog"));
    setWindowTitle(QStringLiteral("Import"));
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setNameFilters({QStringLiteral("*.FLG,*.Tt4,*.Tx4,*.VEL (*.flg *.FLG *.tt4 *.Tt4 *.TT4 *.tx4 *.Tx4 *.TX4 *.vel *.VEL)"),
                    QStringLiteral("Nurflügelfile (*.FLG *.flg)"), QStringLiteral("Trimtab4 (*.Tt4 *.tt4 *.TT4)"),
                    QStringLiteral("Trimtab4_3xxx (*.Tx4 *.tx4 *.TX4)"), QStringLiteral("Velion (*.VEL *.vel)")});
    connect(this, &QFileDialog::fileSelected, this, &TImportdialog::Importieren);
}

void TImportdialog::Oeffnen()
{
    setDirectory(QString::fromStdString(Programmverzeichnis().string()));
    open();
}

int TImportdialog::Importieren(const QString& datei)
{
    int anzahl = 0;
    try {
        const std::filesystem::path pfad = datei.toStdString();
        haupt_.Bearbeiten([&](TBearbeitung& b) {
            anzahl = ::Importieren(b, pfad);
            return anzahl > 0;
        });
    } catch (const std::exception& e) {
        QMessageBox::warning(&haupt_, QStringLiteral("VELION"), QString::fromUtf8(e.what()));
    }
    return anzahl;
}
