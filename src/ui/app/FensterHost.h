// The desktop program's host: error texts as modal dialogs with the buttons their block names,
// the status text and the two progress bars of the main window, and an event-loop turn so that the
// window stays alive and "Berechnung Stopp" can be pressed during a computation.
#pragma once

#include <QPointer>

#include <functional>

#include "app/Sprachtexte.h"
#include "common/Host.h"

class QWidget;
class QLabel;
class QProgressBar;

class TFensterHost : public THost {
public:
    TSprachtexte Texte;

    /// The widgets the hooks drive; any may be null.
    QPointer<QWidget> Elternfenster;
    QPointer<QLabel> Statusfeld;
    QPointer<QProgressBar> Hauptbalken;
    QPointer<QProgressBar> Nebenbalken;
    std::function<void()> BeiAktualisieren;
    std::function<void()> BeiNeuZeichnen;
    std::function<void()> BeiSnapshot;

    /// Error texts shown so far (number), newest last; the tests read it.
    std::vector<int> GezeigteFehlertexte;
    /// When set, dialogs are not shown and this button is the answer (tests, screenshots).
    int AutomatischeAntwort = KnopfKeiner;

    std::string Ausgabetext(int n) const override { return Texte.Ausgabetext(n); }
    void Statustext(const std::string& text) override;
    void Fortschritt(TFortschrittsbalken balken, int position, int maximum) override;
    void Ereignisschleife() override;
    void Aktualisieren() override;
    void NeuZeichnen() override;
    void SnapshotErstellen() override;

protected:
    int ZeigeFehlertext(int n) override;
};
