// The core's only road to the user: numbered messages, status text, the two progress bars, an
// event-loop turn, field refresh, redraw and undo snapshot, plus the run flags. Every hook does
// nothing by default; the command line prints, the desktop program drives its widgets, tests record.
#pragma once

#include <atomic>
#include <string>

/// Process-wide run state, owned by the application (through its host). Flags that worker threads
/// read are atomic.
struct TLaufFlags {
    std::atomic<bool> Stoppanforderung{false};  ///< "Berechnung Stopp" was pressed
    std::atomic<bool> RechnungLaeuft{false};    ///< a computation is in progress
    bool ErgebnisseGueltig = false;             ///< results belong to the current lattice
    bool ProfilauswertungGueltig = false;       ///< strip profile results are valid
    bool GesamtpolarLaeuft = false;             ///< a total-polar series runs
    bool FehlertextGezeigt = false;             ///< an error text was raised since the flag was cleared
};

/// Button codes of an error-text dialog.
enum TKnopf : int { KnopfKeiner = 0, KnopfOK = 1, KnopfSchliessen = 2, KnopfABORT = 3, KnopfYES = 6, KnopfNO = 7 };

/// The two progress bars of the main window.
enum class TFortschrittsbalken { Haupt, Neben };

class THost {
public:
    virtual ~THost() = default;

    TLaufFlags Flags;

    /// Raises error text n and returns the pressed button; always sets FehlertextGezeigt.
    int Fehlertext(int n)
    {
        Flags.FehlertextGezeigt = true;
        return ZeigeFehlertext(n);
    }

    /// The output text with number n, or the empty text.
    virtual std::string Ausgabetext(int /*n*/) const { return {}; }

    /// Shows output text n in the status line.
    void StatustextNr(int n) { Statustext(Ausgabetext(n)); }

    virtual void Statustext(const std::string& /*text*/) {}
    virtual void Fortschritt(TFortschrittsbalken /*balken*/, int /*position*/, int /*maximum*/) {}
    /// One turn of the event loop, so the window stays alive and a stop can be requested.
    virtual void Ereignisschleife() {}
    virtual void Aktualisieren() {}
    virtual void NeuZeichnen() {}
    virtual void SnapshotErstellen() {}

protected:
    /// Shows the error text with number n; returns the button code, 0 when there is no text.
    virtual int ZeigeFehlertext(int /*n*/) { return KnopfKeiner; }
};
