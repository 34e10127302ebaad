// The desktop program's host: dialogs, status text, progress bars and event-loop turns.
#include "ui/app/FensterHost.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

void TFensterHost::Statustext(const std::string& text)
{
    if (Statusfeld) Statusfeld->setText(QString::fromStdString(text));
}

void TFensterHost::Fortschritt(TFortschrittsbalken balken, int position, int maximum)
{
    QProgressBar* ziel = balken == TFortschrittsbalken::Haupt ? Hauptbalken.data() : Nebenbalken.data();
    if (!ziel) return;
    ziel->setMaximum(std::max(maximum, 1));
    ziel->setValue(std::clamp(position, 0, std::max(maximum, 1)));
}

void TFensterHost::Ereignisschleife()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void TFensterHost::Aktualisieren()
{
    if (BeiAktualisieren) BeiAktualisieren();
}

void TFensterHost::NeuZeichnen()
{
    if (BeiNeuZeichnen) BeiNeuZeichnen();
}

void TFensterHost::SnapshotErstellen()
{
    if (BeiSnapshot) BeiSnapshot();
}

int TFensterHost::ZeigeFehlertext(int n)
{
    const TFehlermeldung meldung = Texte.Fehlertext(n);
    if (meldung.Text.empty()) return KnopfKeiner;
    GezeigteFehlertexte.push_back(n);
    if (AutomatischeAntwort != KnopfKeiner) return AutomatischeAntwort;

    QMessageBox box(QMessageBox::Information, QStringLiteral("VELION"),
                    QString::fromStdString(meldung.Text).replace(QLatin1Char('\r'), QLatin1Char('\n')).trimmed(),
                    QMessageBox::NoButton, Elternfenster.data());
    struct Zuordnung { TKnopf knopf; QMessageBox::StandardButton qt; };
    static const Zuordnung zuordnung[] = {{KnopfYES, QMessageBox::Yes}, {KnopfNO, QMessageBox::No},
                                          {KnopfOK, QMessageBox::Ok}, {KnopfABORT, QMessageBox::Abort}};
    for (const Zuordnung& z : zuordnung)
        if (std::find(meldung.Knoepfe.begin(), meldung.Knoepfe.end(), z.knopf) != meldung.Knoepfe.end())
            box.addButton(z.qt);
    if (meldung.Knoepfe.empty()) box.addButton(QMessageBox::Ok);
    const int gedrueckt = box.exec();
    for (const Zuordnung& z : zuordnung)
        if (gedrueckt == z.qt) return z.knopf;
    return KnopfSchliessen;
}
