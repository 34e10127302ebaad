// Undo and redo: after every change the whole scene is written as a scene file "undo<k>.vel" into a
// folder of this program run; undo and redo read those files back. The history is linear and
// bounded by AnzahlUndoFiles.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "model/Szenendatei.h"

class THost;

class TUndo {
public:
    /// Chooses and creates the snapshot folder below `basis`: the first free name of "UNDO_REDO",
    /// "UNDO_REDO0" .. "UNDO_REDO50", so a second running program gets a folder of its own. A folder
    /// of that name left behind by a program that no longer runs is emptied and taken over. When
    /// none is free the folder is named after the process. Throws EDatei when it cannot be created.
    explicit TUndo(const std::filesystem::path& basis);
    /// Deletes the snapshots and the folder.
    ~TUndo();
    TUndo(const TUndo&) = delete;
    TUndo& operator=(const TUndo&) = delete;

    const std::filesystem::path& Verzeichnis() const { return verzeichnis_; }
    std::filesystem::path Snapshotdatei(int k) const;
    int UndoPosition() const { return position_; }
    /// The state of the "Undo" and "Redo" buttons.
    bool UndoMoeglich() const { return position_ > 1; }
    bool RedoMoeglich() const { return redo_; }

    /// Snapshot of `szene` after a change; sets Geaendert. A snapshot that cannot be written leaves
    /// the model alone, keeps the older snapshots and raises error text 61 once, until a snapshot
    /// succeeds again. Returns whether the snapshot was written.
    bool SnapshotErstellen(const TSZENE& szene, const TSchalter& schalter, THost& host);

    /// The state before the current one, read back as a new scene named `name` (its switches into
    /// `schalter`), or nullptr when that snapshot is missing or unreadable: the caller then keeps
    /// its scene.
    std::unique_ptr<TSZENE> Rueckgaengig(const std::string& name, TSchalter& schalter, const TSzenenAufbau& aufbau);
    /// The state after the current one, as Rueckgaengig; nullptr when there is none.
    std::unique_ptr<TSZENE> Wiederherstellen(const std::string& name, TSchalter& schalter, const TSzenenAufbau& aufbau);

    /// Deletes every snapshot and starts the history afresh.
    void UndoLeeren();

    /// The "Anzahl Undo-Files" dialog: a whole number of at least 5 becomes AnzahlUndoFiles; other
    /// text raises error text 23, a smaller number error text 22, and nothing changes. Snapshots
    /// already written stay.
    bool AnzahlUndoFilesEingeben(THost& host, std::string_view text);

    /// The largest snapshot number kept; the dialog accepts 5 and more.
    int AnzahlUndoFiles = 50;
    /// The scene has changes that were not saved.
    bool Geaendert = false;

private:
    std::unique_ptr<TSZENE> Lesen(const std::string& name, TSchalter& schalter, const TSzenenAufbau& aufbau) const;

    std::filesystem::path verzeichnis_;
    int position_ = 0;
    bool redo_ = false;
    bool fehlerGemeldet_ = false;
};
