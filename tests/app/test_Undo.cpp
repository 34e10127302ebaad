// The undo history: snapshots as scene files, undo and redo, the bound, separate folders per
// running program, and snapshots that cannot be written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/Undo.h"
#include "common/TempOrdner.h"
#include "common/TestHilfe.h"
#include "common/Textdatei.h"
#include "model/T_Szene.h"

namespace fs = std::filesystem;

namespace {

/// The scene with its angle of attack telling which change it is.
std::unique_ptr<TSZENE> Zustand(int aenderung)
{
    auto szene = NeuesFlugzeug();
    szene->Flugzeug->Anstellwinkel = aenderung;
    return szene;
}

/// The file without its first two lines (program and date).
std::string OhneKopf(const fs::path& datei)
{
    const std::string text = LeseDateiRoh(datei);
    return text.substr(text.find("[FLUGZEUG]"));
}

Extended AnstellwinkelIn(const fs::path& datei)
{
    TSchalter schalter;
    return SzeneLaden(datei, schalter)->Flugzeug->Anstellwinkel;
}

}  // namespace

TEST(Undo, UndoAfterSeveralEditsRestoresTheFirstSceneByteForByte)
{
    TTestordner ordner;
    TUndo undo(ordner.Pfad());
    TAufzeichnenderHost host;
    TSchalter schalter;
    auto erste = Zustand(0);
    erste->Flugzeug->Bezeichnung = "Erster Stand";
    undo.SnapshotErstellen(*erste, schalter, host);
    for (int i = 1; i <= 4; ++i) undo.SnapshotErstellen(*Zustand(i), schalter, host);
    EXPECT_TRUE(undo.Geaendert);
    EXPECT_TRUE(undo.UndoMoeglich());
    EXPECT_FALSE(undo.RedoMoeglich());

    std::unique_ptr<TSZENE> szene;
    for (int i = 0; i < 4; ++i) szene = undo.Rueckgaengig("Name", schalter, {});
    ASSERT_TRUE(szene);
    EXPECT_EQ(szene->Name, "Name");
    EXPECT_FALSE(undo.UndoMoeglich());
    EXPECT_TRUE(undo.RedoMoeglich());
    WriteScene(ordner / "wieder.vel", *szene, schalter);
    WriteScene(ordner / "erste.vel", *erste, schalter);
    EXPECT_EQ(OhneKopf(ordner / "wieder.vel"), OhneKopf(ordner / "erste.vel"));

    // Undo at the first state reloads it; redo replays up to the last, then stops.
    ASSERT_TRUE(undo.Rueckgaengig("Name", schalter, {}));
    EXPECT_EQ(undo.UndoPosition(), 1);
    for (int i = 1; i <= 4; ++i) {
        auto wieder = undo.Wiederherstellen("Name", schalter, {});
        ASSERT_TRUE(wieder);
        EXPECT_EQ(wieder->Flugzeug->Anstellwinkel, i);
    }
    EXPECT_FALSE(undo.RedoMoeglich());
    EXPECT_FALSE(undo.Wiederherstellen("Name", schalter, {}));
    EXPECT_EQ(undo.UndoPosition(), 5);
    EXPECT_TRUE(host.Fehlertexte.empty());
}

TEST(Undo, HistoryIsBoundedAndAChangeAfterUndoEndsTheRedoChain)
{
    TTestordner ordner;
    TUndo undo(ordner.Pfad());
    undo.AnzahlUndoFiles = 5;
    TAufzeichnenderHost host;
    TSchalter schalter;
    for (int i = 1; i <= 7; ++i) undo.SnapshotErstellen(*Zustand(i), schalter, host);
    EXPECT_EQ(undo.UndoPosition(), 5);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(AnstellwinkelIn(undo.Snapshotdatei(k)), k + 2) << k;
    EXPECT_FALSE(fs::exists(undo.Snapshotdatei(6)));

    undo.Rueckgaengig("n", schalter, {});
    undo.Rueckgaengig("n", schalter, {});
    undo.SnapshotErstellen(*Zustand(8), schalter, host);
    EXPECT_EQ(undo.UndoPosition(), 4);
    EXPECT_FALSE(fs::exists(undo.Snapshotdatei(5)));
    EXPECT_FALSE(undo.RedoMoeglich());

    undo.UndoLeeren();
    EXPECT_EQ(undo.UndoPosition(), 0);
    EXPECT_FALSE(fs::exists(undo.Snapshotdatei(1)));
}

TEST(Undo, EachRunningProgramHasItsOwnFolderAndLeftoversAreTakenOver)
{
    TTestordner ordner;
    fs::path erster;
    {
        TUndo a(ordner.Pfad());
        TUndo b(ordner.Pfad());
        EXPECT_EQ(a.Verzeichnis().filename(), "UNDO_REDO");
        EXPECT_EQ(b.Verzeichnis().filename(), "UNDO_REDO0");
        erster = a.Verzeichnis();
    }
    EXPECT_FALSE(fs::exists(erster));  // removed at the end

    // A folder whose owner no longer runs (pid numbers stay below 2^22 on Linux) is emptied and reused.
    ordner.Schreibe("UNDO_REDO/prozess.txt", "99999999");
    ordner.Schreibe("UNDO_REDO/undo3.vel", "alt");
    // A folder whose owner still runs is left alone.
    ordner.Schreibe("UNDO_REDO0/prozess.txt", std::to_string(getppid()));
    ordner.Schreibe("UNDO_REDO0/undo1.vel", "fremd");
    TUndo c(ordner.Pfad());
    EXPECT_EQ(c.Verzeichnis().filename(), "UNDO_REDO");
    EXPECT_FALSE(fs::exists(ordner / "UNDO_REDO/undo3.vel"));
    TUndo d(ordner.Pfad());
    EXPECT_EQ(d.Verzeichnis().filename(), "UNDO_REDO1");
    EXPECT_TRUE(fs::exists(ordner / "UNDO_REDO0/undo1.vel"));
}

TEST(Undo, ASnapshotThatCannotBeWrittenLeavesModelAndHistoryIntact)
{
    TTestordner ordner;
    TUndo undo(ordner.Pfad());
    TAufzeichnenderHost host;
    TSchalter schalter;
    undo.SnapshotErstellen(*Zustand(1), schalter, host);
    // A folder in the place of the next snapshot file stands for a full or write-protected disk.
    fs::create_directory(undo.Snapshotdatei(2));
    ordner.Schreibe(undo.Snapshotdatei(2).lexically_relative(ordner.Pfad()) / "belegt", "x");
    auto szene = Zustand(2);
    EXPECT_FALSE(undo.SnapshotErstellen(*szene, schalter, host));
    EXPECT_FALSE(undo.SnapshotErstellen(*szene, schalter, host));
    EXPECT_EQ(host.Fehlertexte, std::vector<int>{61});  // said once, not at every change
    EXPECT_EQ(undo.UndoPosition(), 1);
    EXPECT_EQ(szene->Flugzeug->Anstellwinkel, 2.0L);
    EXPECT_TRUE(undo.Geaendert);
    auto zurueck = undo.Rueckgaengig("n", schalter, {});
    ASSERT_TRUE(zurueck);
    EXPECT_EQ(zurueck->Flugzeug->Anstellwinkel, 1.0L);
}

TEST(Undo, TheUndoCountDialogAcceptsWholeNumbersFromFive)
{
    TTestordner ordner;
    TUndo undo(ordner.Pfad());
    const struct {
        const char* text;
        int fehlertext;  ///< 0: accepted
        int danach;
    } faelle[] = {{"5", 0, 5}, {" 120 ", 0, 120}, {"4", 22, 120}, {"-1", 22, 120}, {"7.5", 23, 120}, {"", 23, 120}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.text);
        TAufzeichnenderHost host;
        EXPECT_EQ(undo.AnzahlUndoFilesEingeben(host, fall.text), fall.fehlertext == 0);
        EXPECT_EQ(host.Fehlertexte, fall.fehlertext == 0 ? std::vector<int>{} : std::vector<int>{fall.fehlertext});
        EXPECT_EQ(undo.AnzahlUndoFiles, fall.danach);
    }
}
