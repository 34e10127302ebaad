// The elliptic wing's input window.
#include "ui/dialogs/Ellipsendialog.h"

#include "geometry/Flaechenbearbeitung.h"
#include "ui/app/Hauptfenster.h"

TEllipsendialog::TEllipsendialog(THauptfenster& hauptfenster) : QInputDialog(&hauptfenster), haupt_(hauptfenster)
{
    setObjectName(QStringLiteral("Ellipsendialog"));
    setInputMode(QInputDialog::TextInput);
    setOkButtonText(QStringLiteral("OK"));
    setCancelButtonText(QStringLiteral("Abbruch"));
    connect(this, &QDialog::accepted, this, [this] {
        const std::string text = textValue().toStdString();
        // A wrong count has shown its error text; the window comes back with the default.
        if (!haupt_.Bearbeiten([&text](TBearbeitung& b) { return ElliptischeFlaeche(b, text); }) &&
            !haupt_.Host.Flags.RechnungLaeuft && haupt_.Szene->Flugzeug)
            Oeffnen();
    });
}

void TEllipsendialog::Oeffnen()
{
    const QString titel = QString::fromStdString(haupt_.Host.Ausgabetext(229));
    setWindowTitle(titel);
    setLabelText(titel);
    setTextValue(QStringLiteral("15"));
    open();
}
