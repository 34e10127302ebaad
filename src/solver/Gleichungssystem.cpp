// Assembly of the influence coefficients: row i holds, for every horseshoe j, 4 pi times the normal
// velocity it induces at panel i's control point per unit circulation, and the free stream's share.
#include "solver/Gleichungssystem.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "common/Fehler.h"
#include "common/Meldungssprache.h"
#include "solver/Loeser.h"
#include "solver/Wirbelinduktion.h"

namespace {

TLIST2D<TPAN>& TabelleVon(const TPAN& p, int j)
{
    PruefeTabelle(p, j);
    return *p.Tabelle;
}

/// Sum of the kernels of one list, added to or subtracted from the coefficient in list order.
void Addiere(Extended& wert, const std::vector<TWirbel>& liste, Extended vorzeichen, const T3Vektor& P,
             const T3Vektor& n)
{
    for (const TWirbel& w : liste) {
        if (vorzeichen > 0)
            wert += Normalkern(w, P, n);
        else
            wert -= Normalkern(w, P, n);
    }
}

}  // namespace

void PruefeTabelle(const TPAN& p, int j)
{
    if (p.Tabelle == nullptr)
        throw EVelionFehler("Panel " + std::to_string(j) + Sprachwahl(" des Gleichungssystems gehört zu keiner Panel-Tabelle", " of the equation system belongs to no panel table"));
}

TSeitenlinien Seitenlinien(std::span<TPAN* const> panelliste)
{
    TSeitenlinien s;
    // First slot of every row of every table, tables in order of first appearance.
    std::map<const TLIST2D<TPAN>*, std::vector<std::int32_t>> zeilenanfang;
    for (const TPAN* p : panelliste) {
        const TLIST2D<TPAN>* t = p->Tabelle;
        if (t == nullptr || zeilenanfang.contains(t)) continue;
        std::vector<std::int32_t>& anfang = zeilenanfang[t];
        for (int m = 0; m < t->RowCount(); ++m) {
            anfang.push_back(static_cast<std::int32_t>(s.panels.size()));
            for (int k = 0; k < t->Count(m); ++k) {
                s.panels.push_back(t->Get(m, k));
                s.naechster.push_back(k + 1 < t->Count(m) ? static_cast<std::int32_t>(s.panels.size()) : -1);
            }
        }
    }
    const auto slot = [&](const TLIST2D<TPAN>& t, int m, int k) -> std::int32_t {
        if (m < 0 || m >= t.RowCount() || k < 0 || k >= t.Count(m)) return -1;
        return zeilenanfang.at(&t)[static_cast<std::size_t>(m)] + k;
    };
    for (const TPAN* p : panelliste) {
        if (p->Tabelle == nullptr) {
            // Reported by the row builder, on whichever thread meets it first.
            s.linkesBein.push_back(SlotOhneTabelle);
            s.rechtesBein.push_back(-1);
            s.rechtsAusLinks.push_back(0);
            continue;
        }
        const TLIST2D<TPAN>& t = *p->Tabelle;
        const bool naechsterStreifen = t.RowCount() > p->Streifen + 1;
        s.linkesBein.push_back(slot(t, p->Streifen, p->Spalte));
        s.rechtesBein.push_back(slot(t, naechsterStreifen ? p->Streifen + 1 : p->Streifen, p->Spalte));
        s.rechtsAusLinks.push_back(naechsterStreifen ? 1 : 0);
    }
    return s;
}

TGleichungssystem::TGleichungssystem(std::span<TPAN* const> panelliste, const T3Vektor& anstroemrichtung)
    : panels_(panelliste.begin(), panelliste.end()), anstroemrichtung_(anstroemrichtung)
{
}

TGleichungssystem::~TGleichungssystem()
{
    if (werte_.empty()) return;
    for (TPAN* p : panels_) p->Einflusskoeffizienten = {};
}

void TGleichungssystem::Leeren()
{
    const std::size_t n = panels_.size();
    const std::size_t laenge = n + 1;
    werte_.assign(n * laenge, 0.0L);
    gebaut_.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i) panels_[i]->Einflusskoeffizienten = {werte_.data() + i * laenge, laenge};
    seitenlinien_ = Seitenlinien(panels_);
}

void TGleichungssystem::BaueZeile(int i, THost* host)
{
    if (Zeilenaufbau == TZeilenaufbau::Referenz)
        BaueZeileReferenz(i, host);
    else
        BaueZeileSummiert(i, host);
}

void TGleichungssystem::BaueZeileReferenz(int i, THost* host)
{
    const int n = N();
    const TPAN& empfaenger = Panel(i);
    const T3Vektor& P = empfaenger.Aufpunkt;
    const T3Vektor& nv = empfaenger.Normale;
    Extended* zeile = werte_.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(n + 1);
    for (int j = 0; j < n; ++j) {
        const TPAN& quelle = Panel(j);
        const TLIST2D<TPAN>& t = TabelleVon(quelle, j);
        const int m = quelle.Streifen;
        const int o = quelle.Spalte;
        Extended wert = 0.0L;
        wert += Normalkern(quelle.GebundenerWirbel, P, nv);
        for (int k = o; k < t.Count(m); ++k)
            if (const TPAN* p = t.Get(m, k)) Addiere(wert, p->WirbelLinks, -1, P, nv);
        if (t.RowCount() > m + 1) {
            for (int k = o; k < t.Count(m + 1); ++k)
                if (const TPAN* p = t.Get(m + 1, k)) Addiere(wert, p->WirbelLinks, +1, P, nv);
        } else {
            for (int k = o; k < t.Count(m); ++k)
                if (const TPAN* p = t.Get(m, k)) Addiere(wert, p->WirbelRechts, +1, P, nv);
        }
        zeile[j] = wert;
        if (host != nullptr) host->Ereignisschleife();
    }
    zeile[n] = -VierPi * Skalarprodukt3D(anstroemrichtung_, nv);
    gebaut_[static_cast<std::size_t>(i)] = 1;
}

void TGleichungssystem::BaueZeileSummiert(int i, THost* host)
{
    const int n = N();
    const TPAN& empfaenger = Panel(i);
    const T3Vektor& P = empfaenger.Aufpunkt;
    const T3Vektor& nv = empfaenger.Normale;
    const TSeitenlinien& s = seitenlinien_;

    // Per slot, the kernels of its left and right lists, then summed from the trailing edge forward
    // so that a slot holds its whole leg from that column rearwards.
    thread_local std::vector<Extended> links;
    thread_local std::vector<Extended> rechts;
    const std::size_t slots = s.panels.size();
    links.assign(slots, 0.0L);
    rechts.assign(slots, 0.0L);
    for (std::size_t k = 0; k < slots; ++k) {
        const TPAN* p = s.panels[k];
        if (p == nullptr) continue;
        for (const TWirbel& w : p->WirbelLinks) links[k] += Normalkern(w, P, nv);
        for (const TWirbel& w : p->WirbelRechts) rechts[k] += Normalkern(w, P, nv);
    }
    for (std::size_t k = slots; k-- > 0;) {
        const std::int32_t weiter = s.naechster[k];
        if (weiter < 0) continue;
        links[k] += links[static_cast<std::size_t>(weiter)];
        rechts[k] += rechts[static_cast<std::size_t>(weiter)];
    }

    Extended* zeile = werte_.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(n + 1);
    for (int j = 0; j < n; ++j) {
        const std::size_t js = static_cast<std::size_t>(j);
        const std::int32_t lb = s.linkesBein[js];
        if (lb == SlotOhneTabelle) PruefeTabelle(Panel(j), j);
        Extended wert = Normalkern(Panel(j).GebundenerWirbel, P, nv);
        if (lb >= 0) wert -= links[static_cast<std::size_t>(lb)];
        if (const std::int32_t rb = s.rechtesBein[js]; rb >= 0)
            wert += s.rechtsAusLinks[js] != 0 ? links[static_cast<std::size_t>(rb)] : rechts[static_cast<std::size_t>(rb)];
        zeile[j] = wert;
        if (host != nullptr) host->Ereignisschleife();
    }
    zeile[n] = -VierPi * Skalarprodukt3D(anstroemrichtung_, nv);
    gebaut_[static_cast<std::size_t>(i)] = 1;
}

bool TGleichungssystem::Vollstaendig() const
{
    return gebaut_.size() == panels_.size() && std::all_of(gebaut_.begin(), gebaut_.end(), [](std::uint8_t g) { return g != 0; });
}

std::span<const Extended> TGleichungssystem::Zeile(int i) const
{
    const std::size_t laenge = panels_.size() + 1;
    return {werte_.data() + static_cast<std::size_t>(i) * laenge, laenge};
}

bool BaueSystem(TGleichungssystem& system, THost& host)
{
    return BaueZeilen(system.N(), host, [&](int i) { system.BaueZeile(i, &host); });
}

bool BaueZeilen(int n, THost& host, const std::function<void(int)>& baueZeile)
{
    host.StatustextNr(AusgabetextAufbau);
    host.Fortschritt(TFortschrittsbalken::Haupt, 1, n - 1);
    host.Fortschritt(TFortschrittsbalken::Neben, 1, n - 1);
    for (int i = 0; i < n; ++i) {
        if (host.Flags.Stoppanforderung) {
            host.Fortschritt(TFortschrittsbalken::Haupt, 0, n - 1);
            host.Fortschritt(TFortschrittsbalken::Neben, 0, n - 1);
            host.Flags.RechnungLaeuft = false;
            host.NeuZeichnen();
            host.Statustext("");
            return false;
        }
        host.Fortschritt(TFortschrittsbalken::Haupt, i, n - 1);
        host.Fortschritt(TFortschrittsbalken::Neben, i, n - 1);
        baueZeile(i);
    }
    host.Fortschritt(TFortschrittsbalken::Haupt, 0, n - 1);
    host.Fortschritt(TFortschrittsbalken::Neben, 0, n - 1);
    return true;
}
