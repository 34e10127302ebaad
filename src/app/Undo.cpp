// Snapshot files of the undo history.
#include "app/Undo.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "common/Fehler.h"
#include "common/Host.h"
#include "common/Meldungssprache.h"
#include "common/Textdatei.h"
#include "common/Zahlentext.h"
#include "model/T_Szene.h"

namespace fs = std::filesystem;

namespace {

/// The file in a snapshot folder that names the process owning it.
const char* const Besitzerdatei = "prozess.txt";

bool ProzessLaeuft(long pid) { return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM); }

/// Whether `ordner` was left behind by a program that ended without removing it: its owner file
/// names a process that no longer runs. A folder without that file may be one being set up.
bool Verlassen(const fs::path& ordner)
{
    std::error_code fehler;
    if (!fs::exists(ordner / Besitzerdatei, fehler)) return false;
    try {
        const std::string text = LeseDateiRoh(ordner / Besitzerdatei);
        return !ProzessLaeuft(std::stol(text));
    } catch (const std::exception&) {
        return true;  // an owner file that names no process
    }
}

void BesitzEintragen(const fs::path& ordner)
{
    SchreibeDateiAtomar(ordner / Besitzerdatei, std::to_string(static_cast<long>(getpid())));
}

}  // namespace

TUndo::TUndo(const fs::path& basis)
{
    std::error_code fehler;
    for (int i = -1; i <= 50; ++i) {
        const fs::path ordner = basis / (i < 0 ? std::string("UNDO_REDO") : "UNDO_REDO" + std::to_string(i));
        if (fs::create_directory(ordner, fehler)) {
            verzeichnis_ = ordner;
            break;
        }
        if (fs::is_directory(ordner, fehler) && Verlassen(ordner)) {
            for (const auto& eintrag : fs::directory_iterator(ordner, fehler)) fs::remove_all(eintrag.path(), fehler);
            verzeichnis_ = ordner;
            break;
        }
    }
    if (verzeichnis_.empty()) {
        verzeichnis_ = basis / ("UNDO_REDO_" + std::to_string(static_cast<long>(getpid())));
        fs::create_directory(verzeichnis_, fehler);
    }
    if (!fs::is_directory(verzeichnis_, fehler))
        throw EDatei(verzeichnis_.string(), 0, "", Sprachwahl("einen Ordner, der angelegt werden kann (für die Rückgängig-Stände)", "a folder that can be made (for the undo states)"));
    BesitzEintragen(verzeichnis_);
}

TUndo::~TUndo()
{
    std::error_code fehler;
    fs::remove_all(verzeichnis_, fehler);
}

fs::path TUndo::Snapshotdatei(int k) const { return verzeichnis_ / ("undo" + std::to_string(k) + ".vel"); }

bool TUndo::SnapshotErstellen(const TSZENE& szene, const TSchalter& schalter, THost& host)
{
    std::error_code fehler;
    Geaendert = true;
    ++position_;
    if (position_ > AnzahlUndoFiles) {
        // The oldest state is dropped, the others move down by one.
        fs::remove(Snapshotdatei(1), fehler);
        for (int i = 1; i < AnzahlUndoFiles; ++i)
            if (fs::exists(Snapshotdatei(i + 1), fehler)) fs::rename(Snapshotdatei(i + 1), Snapshotdatei(i), fehler);
        --position_;
    }
    bool geschrieben = true;
    try {
        WriteScene(Snapshotdatei(position_), szene, schalter);
    } catch (const std::exception&) {
        geschrieben = false;
    }
    if (!geschrieben) {
        // The history ends at the last state that could be written; the model is untouched.
        --position_;
        if (!fehlerGemeldet_) host.Fehlertext(61);
        fehlerGemeldet_ = true;
    } else {
        fehlerGemeldet_ = false;
    }
    for (int k = position_ + 1; k <= AnzahlUndoFiles; ++k) fs::remove(Snapshotdatei(k), fehler);
    redo_ = false;
    return geschrieben;
}

std::unique_ptr<TSZENE> TUndo::Lesen(const std::string& name, TSchalter& schalter, const TSzenenAufbau& aufbau) const
{
    std::error_code fehler;
    if (!fs::exists(Snapshotdatei(position_), fehler)) return nullptr;
    auto szene = std::make_unique<TSZENE>();
    TSchalter gelesen = schalter;
    try {
        ReadScene(Snapshotdatei(position_), *szene, gelesen, aufbau);
    } catch (const EVelionFehler&) {
        return nullptr;
    }
    szene->Name = name;
    schalter = gelesen;
    return szene;
}

std::unique_ptr<TSZENE> TUndo::Rueckgaengig(const std::string& name, TSchalter& schalter, const TSzenenAufbau& aufbau)
{
    if (position_ > 1) --position_;
    if (position_ < 1) return nullptr;
    auto szene = Lesen(name, schalter, aufbau);
    redo_ = true;
    return szene;
}

std::unique_ptr<TSZENE> TUndo::Wiederherstellen(const std::string& name, TSchalter& schalter, const TSzenenAufbau& aufbau)
{
    ++position_;
    auto szene = Lesen(name, schalter, aufbau);
    if (!szene) --position_;
    std::error_code fehler;
    redo_ = fs::exists(Snapshotdatei(position_ + 1), fehler);
    return szene;
}

void TUndo::UndoLeeren()
{
    std::error_code fehler;
    for (int k = 1; k <= AnzahlUndoFiles; ++k) fs::remove(Snapshotdatei(k), fehler);
    position_ = 0;
    redo_ = false;
}

bool TUndo::AnzahlUndoFilesEingeben(THost& host, std::string_view text)
{
    int anzahl = 0;
    try {
        anzahl = TextToInt(text);
    } catch (const EKonvertierung&) {
        host.Fehlertext(23);
        return false;
    }
    if (anzahl < 5) {
        host.Fehlertext(22);
        return false;
    }
    AnzahlUndoFiles = anzahl;
    return true;
}
