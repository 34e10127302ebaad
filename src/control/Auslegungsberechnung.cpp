// The design computation: the five targets with their iteration rules, the abort path and the
// transfer file.
#include "control/Auslegungsberechnung.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "evaluation/Ergebnispruefung.h"
#include "evaluation/Flugleistungen.h"
#include "evaluation/Gesamtbezugswerte.h"
#include "evaluation/Nachlaufnaehe.h"
#include "evaluation/Profilauswertung.h"
#include "geometry/Gitterbau.h"
#include "model/TSchalter.h"
#include "model/T_FLUGZEUG.h"
#include "model/T_Szene.h"
#include "solver/Schnellloeser.h"

namespace {

constexpr Extended Erdbeschleunigung = 9.8065L;
/// Targets are met when the remaining difference is below this.
constexpr Extended Zieltoleranz = 1e-6L;
constexpr int Nick = 0;  ///< index of the pitch indicator in Momentenrichtung

// Error texts of the design computation.
constexpr int FehlerMasse = 33;
constexpr int FehlerWinkelCa = 28;
constexpr int FehlerWinkel = 24;
constexpr int FehlerIterationenStabilitaet = 26;
constexpr int FehlerIterationenSchwerpunkt = 27;

/// One computation run's point: angle of attack, lift coefficient, pitching coefficient about the
/// zero point.
struct TLaufpunkt {
    Extended a = 0.0L;
    Extended CA = 0.0L;
    Extended Cm = 0.0L;
};

/// An angle the iteration may go on with. A non-finite angle (arcsin beyond 1, a zero slope) counts
/// as outside, so it ends the iteration as a failure instead of passing as a result.
bool WinkelZulaessig(Extended a) { return a >= -90.0L && a <= 90.0L; }

using TUhr = std::chrono::steady_clock;

class TAuslegung {
public:
    TAuslegung(TSZENE& szene, const TSchalter& schalter, THost& host, const TAuslegungsoptionen& optionen)
        : szene_(szene), f_(*szene.Flugzeug), schalter_(schalter), host_(host), optionen_(optionen)
    {
    }

    TAuslegungsergebnis Ausfuehren()
    {
        GesamtmasseBerechnen(f_);
        if (f_.Gesamtmasse < 0.001L) {
            host_.Fehlertext(FehlerMasse);
            ergebnis_.Ausgang = TAuslegungsausgang::ZuWenigMasse;
            ergebnis_.Fehlertext = FehlerMasse;
            return ergebnis_;
        }
        host_.Flags.Stoppanforderung = false;
        f_.Momentenrichtung = {1, 1, 1};
        host_.NeuZeichnen();
        eingaben_ = AuslegungseingabenLesen(f_);
        f_.NeutralpunktRobust = {};

        bool weiter = false;
        switch (f_.Auslegungsnummer) {
        case ZielAuslegungsCa: weiter = ZielCa(); break;
        case ZielStabilitaetsmass: weiter = ZielStabilitaetOderSchwerpunkt(false); break;
        case ZielSchwerpunkt: weiter = ZielStabilitaetOderSchwerpunkt(true); break;
        case ZielFlugGeschwindigkeit: weiter = ZielGeschwindigkeit(); break;
        default: weiter = ZielWinkel(eingaben_.Anstellwinkel); break;
        }
        if (weiter && optionen_.RobusterNeutralpunkt) weiter = RobusterNeutralpunkt();
        if (weiter) Abschluss();
        return ergebnis_;
    }

private:
    void Anzeige(int i)
    {
        ergebnis_.Iterationsschritt = i;
        host_.Aktualisieren();
    }

    /// Sets the angle of attack and makes one computation run; false when it was stopped (the
    /// design computation then ends through the abort path).
    bool Lauf(Extended a, TLaufpunkt* punkt = nullptr)
    {
        if (!std::isfinite(a)) {
            // No lattice can be built at an undefined angle; the caller's angle test ends the
            // iteration as it would after such a run.
            f_.Anstellwinkel = a;
            if (punkt) *punkt = {a, a, a};
            return true;
        }
        const int fehlertext = Rechnen(a);
        if (Gestoppt()) return false;
        if (!host_.Flags.ErgebnisseGueltig) {
            // The run gave no results and has said why; iterating on the previous run's
            // coefficients would only look like progress.
            ergebnis_.Ausgang = TAuslegungsausgang::Fehlschlag;
            ergebnis_.Fehlertext = fehlertext;
            AuslegungZuruecksetzen(f_, eingaben_, host_);
            return false;
        }
        if (punkt) *punkt = {f_.Anstellwinkel, f_.AuslegungsCa, f_.CmyNullpunkt};
        return true;
    }

    /// One computation run at the angle a; returns the error text it raised (0 for none).
    int Rechnen(Extended a)
    {
        f_.Anstellwinkel = a;
        const auto start = TUhr::now();
        const int fehlertext = Rechenlauf(szene_, schalter_, optionen_.Rechnen, host_);
        ergebnis_.SekundenLaeufe += std::chrono::duration<double>(TUhr::now() - start).count();
        ++ergebnis_.Laeufe;
        MomentenrichtungSetzen(f_);
        return fehlertext;
    }

    /// After a run: a stop request ends the design computation through the abort path.
    bool Gestoppt()
    {
        if (!host_.Flags.Stoppanforderung) return false;
        ergebnis_.Ausgang = TAuslegungsausgang::Gestoppt;
        AuslegungZuruecksetzen(f_, eingaben_, host_);
        return true;
    }

    /// The neutral point from two more runs at the final angle plus and minus 2°, then the final
    /// run again, so that every result shown is that of the design angle. The extra runs change
    /// nothing else; when one of them gives no result, the robust value stays unset.
    bool RobusterNeutralpunkt()
    {
        const Extended a = f_.Anstellwinkel;
        TLaufpunkt minus, plus;
        bool gueltig = WinkelZulaessig(a - 2.0L) && WinkelZulaessig(a + 2.0L);
        if (gueltig) {
            Rechnen(a - 2.0L);
            if (Gestoppt()) return false;
            gueltig = host_.Flags.ErgebnisseGueltig;
            minus = {a - 2.0L, f_.AuslegungsCa, f_.CmyNullpunkt};
        }
        if (gueltig) {
            Rechnen(a + 2.0L);
            if (Gestoppt()) return false;
            gueltig = host_.Flags.ErgebnisseGueltig;
            plus = {a + 2.0L, f_.AuslegungsCa, f_.CmyNullpunkt};
        }
        if (!Lauf(a)) return false;
        TRobusterNeutralpunkt& r = f_.NeutralpunktRobust;
        if (!gueltig) return true;
        r.Neutralpunkt = NeutralpunktAusZweiLaeufen(f_.Bezugstiefe, minus.CA, minus.Cm, plus.CA, plus.Cm);
        r.Stabilitaetsmass = StabilitaetsmassAus(r.Neutralpunkt, f_.SchwerpunktX, f_.Bezugstiefe);
        r.Gueltig = std::isfinite(r.Neutralpunkt) && std::isfinite(r.Stabilitaetsmass);
        if (NeutralpunktWeichtAb(f_)) r.Naehe = NaechsterNachlauf(f_);
        return true;
    }

    bool Fehlschlag(int fehlertext)
    {
        host_.Fehlertext(fehlertext);
        ergebnis_.Ausgang = TAuslegungsausgang::Fehlschlag;
        ergebnis_.Fehlertext = fehlertext;
        AuslegungZuruecksetzen(f_, eingaben_, host_);
        return false;
    }

    /// Slope angle of the lift line through two points, in degrees.
    static Extended Steigungswinkel(const TLaufpunkt& p1, const TLaufpunkt& p2)
    {
        return std::atan((p2.CA - p1.CA) / (p2.a - p1.a)) * GradProRad;
    }

    /// Target 1, and targets 2 and 5 when the run at 0° already meets the lift coefficient: runs
    /// at a + 0.001° and at a for the lift slope and the neutral point.
    bool ZielWinkel(Extended a)
    {
        Anzeige(0);
        TLaufpunkt p1, p2;
        if (!Lauf(a + 0.001L, &p1) || !Lauf(a, &p2)) return false;
        Neutralpunktbestimmung(f_, p1.CA, p1.Cm, p1.a, p2.CA, p2.Cm, p2.a);
        MomentenrichtungSetzen(f_);
        ergebnis_.ZielErreicht = true;
        return true;
    }

    /// The secant iteration on the lift coefficient shared by targets 2 and 5. `erreicht` tells
    /// after each run whether the target is met. Leaves p1, p2 at the last two runs.
    bool CaIteration(Extended caZiel, int& i, const std::function<bool()>& erreicht, TLaufpunkt& p1, TLaufpunkt& p2)
    {
        const int k = f_.MaxIteration;
        i = i + 1;
        Anzeige(i);
        const Extended a2 = p1.CA != 0.0L ? 10.0L * (caZiel - p1.CA) : 10.0L * caZiel;
        if (!Lauf(a2, &p2)) return false;
        i = i + 1;
        Anzeige(i);
        Extended m = Steigungswinkel(p1, p2);
        Extended n = caZiel - p2.CA;
        do {
            p1 = p2;
            const Extended a = f_.Anstellwinkel + std::asin(n / m) * GradProRad;
            if (a < p1.a) f_.Momentenrichtung[Nick] = 0;
            if (a > p1.a) f_.Momentenrichtung[Nick] = 2;
            if (!Lauf(a, &p2)) return false;
            n = caZiel - p2.CA;
            m = Steigungswinkel(p1, p2);
            i = i + 1;
            Anzeige(i);
        } while (!(i > k || erreicht() || !WinkelZulaessig(f_.Anstellwinkel)));
        f_.Momentenrichtung[Nick] = 1;
        return true;
    }

    bool ZielCa()
    {
        const Extended caZiel = eingaben_.AuslegungsCa;
        int i = 0;
        Anzeige(0);
        TLaufpunkt p1, p2;
        if (!Lauf(0.0L, &p1)) return false;
        if (p1.CA == caZiel) return ZielWinkel(0.0L);
        if (!CaIteration(caZiel, i, [&] { return std::fabs(caZiel - f_.AuslegungsCa) < Zieltoleranz; }, p1, p2))
            return false;
        if (!WinkelZulaessig(f_.Anstellwinkel)) return Fehlschlag(FehlerWinkelCa);
        ergebnis_.ZielErreicht = std::fabs(caZiel - p2.CA) < Zieltoleranz;
        Neutralpunktbestimmung(f_, p1.CA, p1.Cm, p1.a, p2.CA, p2.Cm, p2.a);
        return true;
    }

    bool ZielGeschwindigkeit()
    {
        const Extended vZiel = eingaben_.FlugGeschwindigkeit;
        // The run at the current angle sets the density and the reference areas.
        if (!Lauf(f_.Anstellwinkel)) return false;
        const Extended caZiel = f_.Gesamtmasse * 2.0L * Erdbeschleunigung / (vZiel * vZiel) / f_.Luftdichte /
                                f_.FlaecheHorizontalGesamt;
        f_.AuslegungsCa = caZiel;
        int i = 0;
        Anzeige(0);
        TLaufpunkt p1, p2;
        if (!Lauf(0.0L, &p1)) return false;
        if (p1.CA == caZiel) return ZielWinkel(0.0L);
        const auto erreicht = [&] { return std::fabs(vZiel - f_.FlugGeschwindigkeit) < Zieltoleranz; };
        if (!CaIteration(caZiel, i, erreicht, p1, p2)) return false;
        // An angle beyond +-90° is no flight state; it is reported like the target lift
        // coefficient's, which this target reduces to.
        if (!WinkelZulaessig(f_.Anstellwinkel)) return Fehlschlag(FehlerWinkelCa);
        ergebnis_.ZielErreicht = erreicht();
        Neutralpunktbestimmung(f_, p1.CA, p1.Cm, p1.a, p2.CA, p2.Cm, p2.a);
        return true;
    }

    /// Targets 3 (stability margin) and 4 (centre of gravity): the run at 0° stays the reference
    /// point; each step estimates the zero-lift angle and the lift the target needs.
    bool ZielStabilitaetOderSchwerpunkt(bool schwerpunkt)
    {
        const int k = f_.MaxIteration;
        const Extended sigmaZiel = eingaben_.Stabilitaetsmass;
        const Extended xsZiel = eingaben_.SchwerpunktX;
        Anzeige(0);
        TLaufpunkt p1, p2;
        if (!Lauf(0.0L, &p1)) return false;
        int i = 1;
        Anzeige(i);
        Extended a = 5.0L;
        for (;;) {
            if (!Lauf(a, &p2)) return false;
            const Extended lu = f_.Bezugstiefe;
            const Extended xs = f_.SchwerpunktX;
            Neutralpunktbestimmung(f_, p1.CA, p1.Cm, p1.a, p2.CA, p2.Cm, a);
            const Extended m = f_.Auftriebsanstiegswinkel;
            const Extended xn = f_.Neutralpunkt;
            const Extended sigma = f_.Stabilitaetsmass;
            const Extended a0 = a - std::asin(p2.CA / m) * GradProRad;
            const Extended r = (xn - xs) * p2.CA / lu;
            const Extended aNeu = schwerpunkt ? std::asin(lu * r / m / (xn - xsZiel)) * GradProRad + a0
                                              : std::asin(r / m / sigmaZiel * 100.0L) * GradProRad + a0;
            const Extended aGerundet = RoundReal(5, aNeu);
            if (aGerundet < a) f_.Momentenrichtung[Nick] = 0;
            if (aGerundet > a) f_.Momentenrichtung[Nick] = 2;
            i = i + 1;
            Anzeige(i);
            a = aNeu;

            const bool erreicht = schwerpunkt ? std::fabs(xs - xsZiel) < Zieltoleranz
                                              : std::fabs(sigma - sigmaZiel) < Zieltoleranz;
            if (i > k || erreicht || !WinkelZulaessig(f_.Anstellwinkel)) {
                f_.Momentenrichtung[Nick] = 1;
                if (i > k) return Fehlschlag(schwerpunkt ? FehlerIterationenSchwerpunkt : FehlerIterationenStabilitaet);
                if (erreicht) break;
                return Fehlschlag(FehlerWinkel);
            }
        }
        ergebnis_.ZielErreicht = true;
        return true;
    }

    void Abschluss()
    {
        host_.NeuZeichnen();
        if (!host_.Flags.Stoppanforderung) {
            const auto start = TUhr::now();
            ergebnis_.Profilauswertung = ProfilAuswertung(szene_, host_, schalter_.BlasenwiderstandRechnen,
                                                         Rechenthreads(optionen_.Rechnen.Loeser));
            ergebnis_.SekundenProfilauswertung = std::chrono::duration<double>(TUhr::now() - start).count();
        }
        if (host_.Flags.Stoppanforderung) {
            // Stopped before or during the profile evaluation: the drag is missing, so nothing of
            // this computation may pass as its result.
            ergebnis_.Ausgang = TAuslegungsausgang::Gestoppt;
            AuslegungZuruecksetzen(f_, eingaben_, host_);
            return;
        }
        ergebnis_.NichtEndlich = ErsterNichtEndlicherWert(f_, true);
        if (!ergebnis_.NichtEndlich.empty()) {
            Fehlschlag(FehlertextNichtEndlich);
            return;
        }
        MomentenrichtungSetzen(f_);
        host_.Statustext("");
        host_.Flags.RechnungLaeuft = false;
        host_.Aktualisieren();
        host_.NeuZeichnen();
        if (optionen_.Transferordner.empty()) return;
        try {
            ergebnis_.Transferdatei = TransferDateiSchreiben(f_, optionen_.Transferordner);
        } catch (const EDatei& e) {
            // A full disk at the very end must not cost the computed results.
            ergebnis_.Transferfehler = e.what();
        }
    }

    TSZENE& szene_;
    TFLUGZEUG& f_;
    const TSchalter& schalter_;
    THost& host_;
    const TAuslegungsoptionen& optionen_;
    TAuslegungseingaben eingaben_;
    TAuslegungsergebnis ergebnis_;
};

std::string ZweiStellen(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

TAuslegungseingaben AuslegungseingabenLesen(const TFLUGZEUG& f)
{
    return {f.Anstellwinkel, f.AuslegungsCa, f.Stabilitaetsmass, f.SchwerpunktX, f.FlugGeschwindigkeit};
}

void AuslegungZuruecksetzen(TFLUGZEUG& f, const TAuslegungseingaben& e, THost& host)
{
    f.Anstellwinkel = e.Anstellwinkel;
    f.AuslegungsCa = e.AuslegungsCa;
    f.Stabilitaetsmass = e.Stabilitaetsmass;
    f.SchwerpunktX = e.SchwerpunktX;
    f.FlugGeschwindigkeit = e.FlugGeschwindigkeit;
    GitterAufbauen(f, host.Flags);
    host.SnapshotErstellen();
    host.Flags.ErgebnisseGueltig = false;
    host.Flags.RechnungLaeuft = false;
    host.Aktualisieren();
    host.NeuZeichnen();
}

TAuslegungsergebnis Auslegungsberechnung(TSZENE& szene, const TSchalter& schalter, THost& host,
                                         const TAuslegungsoptionen& optionen)
{
    return TAuslegung(szene, schalter, host, optionen).Ausfuehren();
}

std::filesystem::path TransferDateiSchreiben(const TFLUGZEUG& f, const std::filesystem::path& ordner)
{
    // Without the desktop's date settings: day.month.year and hours.minutes.seconds (the time's
    // ":" replaced by "." as the companion programs expect).
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    const std::string datum = ZweiStellen(t.tm_mday) + "." + ZweiStellen(t.tm_mon + 1) + "." + std::to_string(t.tm_year + 1900);
    const std::string zeit = ZweiStellen(t.tm_hour) + "." + ZweiStellen(t.tm_min) + "." + ZweiStellen(t.tm_sec);
    const auto zahl = [](Extended wert) { return RealToText(wert, 0, 5, '.'); };
    const std::vector<std::string> zeilen = {
        "DATUM\t" + datum,
        "ZEIT\t" + zeit,
        "RHO\t" + zahl(f.Luftdichte),
        "W[N]\t" + zahl(f.Widerstand),
        "v[m/s]\t" + zahl(f.FlugGeschwindigkeit),
        "CW_GES\t" + zahl(f.CW),
        "F_GES[m^2]\t" + zahl(f.FlaecheWahrGesamt),
        "GESAMTMASSE[kg]\t" + zahl(f.Gesamtmasse),
    };
    const std::filesystem::path datei = ordner / "transfer.txt";
    SchreibeTextzeilen(datei, zeilen);
    return datei;
}
