// Language texts: the block grammar of the error and output files, loading a language folder, and
// the shipped folders DEUTSCH and ENGLISH against the numbers the program uses.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include <unistd.h>

#include "common/TestHilfe.h"
#include "app/Sprachtexte.h"
#include "common/Textdatei.h"

namespace fs = std::filesystem;

namespace {

const fs::path Quellordner = fs::path(VELION_SOURCE) / "resources";

TSprachtexte MitAusgabetexten(std::vector<std::string> zeilen)
{
    TSprachtexte texte;
    texte.Ausgabetextzeilen = std::move(zeilen);
    return texte;
}

TSprachtexte MitFehlertexten(std::vector<std::string> zeilen)
{
    TSprachtexte texte;
    texte.Fehlertextzeilen = std::move(zeilen);
    return texte;
}

TSprachtexte Geladen(const std::string& sprache)
{
    TSprachtexte texte;
    texte.EingestellteSprache = sprache;
    EXPECT_TRUE(texte.SpracheLaden(Quellordner)) << sprache;
    return texte;
}

/// A scratch folder that is removed with the test.
class TTempOrdner {
public:
    TTempOrdner()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        pfad_ = fs::temp_directory_path() / (std::string("velion_") + info->test_suite_name() + "_" + info->name() +
                                             "_" + std::to_string(::getpid()));
        fs::remove_all(pfad_);
        fs::create_directories(pfad_);
    }
    ~TTempOrdner() { fs::remove_all(pfad_); }
    const fs::path& Pfad() const { return pfad_; }

    void Schreibe(const fs::path& relativ, std::string_view inhalt) const
    {
        fs::create_directories((pfad_ / relativ).parent_path());
        std::ofstream(pfad_ / relativ, std::ios::binary) << inhalt;
    }

private:
    fs::path pfad_;
};

}  // namespace

TEST(Sprachtexte, AusgabetextFollowsTheBlockGrammar)
{
    struct Fall {
        const char* name;
        std::vector<std::string> zeilen;
        int n;
        std::string erwartet;
    } faelle[] = {
        {"key 1 does not open block 10", {"[10]", "TEXT=zehn", "[ENDE]"}, 1, ""},
        {"block 10 is found", {"[1]", "TEXT=eins", "[ENDE]", "[10]", "TEXT=zehn", "[ENDE]"}, 10, "zehn"},
        {"block 1 beside block 10", {"[10]", "TEXT=zehn", "[ENDE]", "[1]", "TEXT=eins", "[ENDE]"}, 1, "eins"},
        {"words after the bracket", {"[10] Ergebnisfenster", "TEXT=zehn", "[ENDE]"}, 10, "zehn"},
        {"last TEXT of a block wins", {"[5]", "TEXT=erste", "TEXT=zweite", "[ENDE]"}, 5, "zweite"},
        {"last matching block wins", {"[5]", "TEXT=alt", "[ENDE]", "[6]", "TEXT=x", "[ENDE]", "[5]", "TEXT=neu", "[ENDE]"},
         5, "neu"},
        {"a later block without TEXT keeps the result", {"[5]", "TEXT=alt", "[ENDE]", "[5]", "[ENDE]"}, 5, "alt"},
        {"value keeps further = signs", {"[7]", "TEXT=a = b=c", "[ENDE]"}, 7, "a = b=c"},
        {"value keeps its blanks", {"[7]", "TEXT= Element ", "[ENDE]"}, 7, " Element "},
        {"empty value", {"[7]", "TEXT=", "[ENDE]"}, 7, ""},
        {"block without [ENDE] runs to the end", {"[3]", "TEXT=bis zum Ende"}, 3, "bis zum Ende"},
        {"block without [ENDE] takes in the next block", {"[3]", "TEXT=drei", "[4]", "TEXT=vier", "[ENDE]"}, 3, "vier"},
        {"[ENDE] must be the whole line", {"[3]", "TEXT=drei", "[ENDE] ", "TEXT=weiter", "[ENDE]"}, 3, "weiter"},
        {"TEXT outside a block is ignored", {"TEXT=lose", "[3]", "[ENDE]", "TEXT=lose"}, 3, ""},
        {"keys are case-sensitive", {"[3]", "text=klein", "[ENDE]"}, 3, ""},
        {"header must start the line", {" [3]", "TEXT=eingerueckt", "[ENDE]"}, 3, ""},
        {"no leading zeros in the key", {"[03]", "TEXT=null drei", "[ENDE]"}, 3, ""},
        {"empty list", {}, 3, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(MitAusgabetexten(f.zeilen).Ausgabetext(f.n), f.erwartet);
    }
}

TEST(Sprachtexte, FehlertextCollectsLinesAndButtons)
{
    struct Fall {
        const char* name;
        std::vector<std::string> zeilen;
        int n;
        std::string text;
        std::vector<TKnopf> knoepfe;
    } faelle[] = {
        {"each line ends with CR", {"[6]", "TEXT=Geaendert.", "TEXT=Speichern?", "BUTTON=YES", "[ENDE]"}, 6,
         "Geaendert.\rSpeichern?\r", {KnopfYES}},
        {"buttons in the fixed order", {"[6]", "TEXT=t", "BUTTON=ABORT", "BUTTON=OK", "BUTTON=NO", "BUTTON=YES", "[ENDE]"},
         6, "t\r", {KnopfYES, KnopfNO, KnopfOK, KnopfABORT}},
        {"a button named twice counts once", {"[2]", "TEXT=t", "BUTTON=OK", "BUTTON=OK", "[ENDE]"}, 2, "t\r", {KnopfOK}},
        {"button values are exact", {"[2]", "TEXT=t", "BUTTON=yes", "BUTTON=OK ", "BUTTON=CANCEL", "[ENDE]"}, 2, "t\r", {}},
        {"several matching blocks add up",
         {"[6]", "TEXT=a", "BUTTON=NO", "[ENDE]", "[7]", "TEXT=x", "BUTTON=OK", "[ENDE]", "[6]", "TEXT=b", "BUTTON=YES", "[ENDE]"},
         6, "a\rb\r", {KnopfYES, KnopfNO}},
        {"key 1 does not open block 10", {"[10]", "TEXT=zehn", "BUTTON=OK", "[ENDE]"}, 1, "", {}},
        {"an empty TEXT line is a line", {"[2]", "TEXT=", "[ENDE]"}, 2, "\r", {}},
        {"buttons without text", {"[2]", "BUTTON=OK", "[ENDE]"}, 2, "", {KnopfOK}},
        {"empty list", {}, 2, "", {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const TFehlermeldung meldung = MitFehlertexten(f.zeilen).Fehlertext(f.n);
        EXPECT_EQ(meldung.Text, f.text);
        EXPECT_EQ(meldung.Knoepfe, f.knoepfe);
    }
}

TEST(Sprachtexte, MessageLinesSplitAtCr)
{
    const TFehlermeldung meldung = MitFehlertexten({"[9]", "TEXT=eins", "TEXT=", "TEXT=drei", "[ENDE]"}).Fehlertext(9);
    EXPECT_EQ(meldung.Zeilen(), (std::vector<std::string>{"eins", "", "drei"}));
}

TEST(Sprachtexte, LoadsTheThreeFilesAsWindows1252)
{
    TTempOrdner ordner;
    ordner.Schreibe("VELION_DOC/TEST/Fehlertexte/Fehlertexte.txt", "[2]\r\nTEXT=Ung\xFCltig\r\nBUTTON=OK\r\n[ENDE]\r\n");
    ordner.Schreibe("VELION_DOC/TEST/Ausgabetexte/Ausgabetexte.txt", "[24]\nTEXT=Stabilit\xE4tsma\xDF \x80\n[ENDE]\n");
    ordner.Schreibe("VELION_DOC/TEST/Bildschirmelemente/Bildschirmelemente.txt", "FORM1.CAPTION=Velion\r");

    TSprachtexte texte;
    texte.EingestellteSprache = "TEST";
    EXPECT_TRUE(texte.SpracheLaden(ordner.Pfad()));
    EXPECT_EQ(texte.Ausgabetext(24), "Stabilitätsmaß €");
    EXPECT_EQ(texte.Fehlertext(2).Text, "Ungültig\r");
    EXPECT_EQ(texte.Bildschirmelementzeilen, std::vector<std::string>{"FORM1.CAPTION=Velion"});
}

TEST(Sprachtexte, UnreadableFilesLeaveTheirListsEmpty)
{
    TTempOrdner ordner;
    ordner.Schreibe("VELION_DOC/A/Ausgabetexte/Ausgabetexte.txt", "[1]\r\nTEXT=eins\r\n[ENDE]\r\n");
    ordner.Schreibe("VELION_DOC/A/Fehlertexte/Fehlertexte.txt", "[2]\r\nTEXT=zwei\r\n[ENDE]\r\n");
    ordner.Schreibe("VELION_DOC/A/Bildschirmelemente/Bildschirmelemente.txt", "");
    ordner.Schreibe("VELION_DOC/B/Ausgabetexte/Ausgabetexte.txt", "[1]\r\nTEXT=one\r\n[ENDE]\r\n");
    fs::create_directories(ordner.Pfad() / "VELION_DOC/B/Fehlertexte/Fehlertexte.txt");  // a folder, not a file

    TSprachtexte texte;
    texte.EingestellteSprache = "A";
    EXPECT_TRUE(texte.SpracheLaden(ordner.Pfad()));
    EXPECT_EQ(texte.Fehlertext(2).Text, "zwei\r");

    // A second load replaces every list, also with nothing.
    texte.EingestellteSprache = "B";
    EXPECT_FALSE(texte.SpracheLaden(ordner.Pfad())) << "B has no screen-element file";
    EXPECT_EQ(texte.Ausgabetext(1), "one");
    EXPECT_TRUE(texte.Fehlertextzeilen.empty());
    EXPECT_TRUE(texte.Fehlertext(2).Text.empty());

    texte.EingestellteSprache = "FEHLT";
    EXPECT_FALSE(texte.SpracheLaden(ordner.Pfad()));
    EXPECT_TRUE(texte.Ausgabetextzeilen.empty());
    EXPECT_EQ(texte.Ausgabetext(1), "");
}

TEST(Sprachtexte, MissingFolderMessageFollowsTheLanguage)
{
    const auto deutsch = SprachordnerFehltMeldung("deutsch", "velion");
    ASSERT_EQ(deutsch.size(), 3u);
    EXPECT_EQ(deutsch[0], "Der Dokumentenordner für die eingestellte Sprache deutsch konnte nicht gefunden werden !");
    EXPECT_EQ(deutsch[2], "VELION_DOC/deutsch muß sich im gleichen Ordner wie die velion befinden !");
    const auto englisch = SprachordnerFehltMeldung("ENGLISH", "velion");
    ASSERT_EQ(englisch.size(), 3u);
    EXPECT_EQ(englisch[0], "The document folder for the selected language ENGLISH could not be found !");
}

TEST(Sprachtexte, LanguageFolderLiesBesideTheProgram)
{
    EXPECT_EQ(Sprachordner("/opt/velion", "ENGLISH"), fs::path("/opt/velion/VELION_DOC/ENGLISH"));
    const fs::path programm = Programmdatei();
    ASSERT_FALSE(programm.empty());
    EXPECT_TRUE(fs::is_regular_file(programm));
    EXPECT_EQ(Programmverzeichnis(), programm.parent_path());
}

// ---- The shipped language folders ------------------------------------------------------------

namespace {

const char* const Sprachen[] = {"DEUTSCH", "ENGLISH"};

// Every error text the program raises, with the buttons its callers test for: confirmations whose
// NO cancels ask with YES and NO, the save question adds ABORT, plain errors have OK.
const struct {
    int n;
    std::vector<TKnopf> knoepfe;
} Fehlertextvertrag[] = {
    {2, {KnopfOK}},   // no number in a numeric field
    {3, {KnopfOK}},   // value must be positive (chord, width, scale, cw_int, step count)
    {4, {KnopfOK}},   // percentage outside 0..100
    {5, {KnopfOK}},   // angle outside -90..90
    {6, {KnopfYES, KnopfNO, KnopfABORT}},  // unsaved changes: save, discard, cancel
    {7, {KnopfYES, KnopfNO}},              // delete surface?
    {8, {KnopfYES, KnopfNO}},              // delete segment?
    {9, {KnopfOK}},   // sweep outside -89..89
    {10, {KnopfOK}},  // panel count not a whole number above 0
    {12, {KnopfYES, KnopfNO}},  // delete wing half?
    {13, {KnopfOK}},  // angle outside -45..45
    {14, {KnopfOK}},  // not a whole number
    {15, {KnopfOK}},  // wake elements, wake length, iterations not above 0
    {18, {KnopfOK}},  // negative mass or density, altitude below -1
    {20, {KnopfOK}},  // design CA outside -2 pi..2 pi
    {21, {KnopfOK}},  // speed not above 0, fuselage values negative
    {22, {KnopfOK}},  // fewer than 5 undo files
    {23, {KnopfOK}},  // undo count or surface index not a whole number
    {24, {KnopfOK}},  // design: angle left -90..90 (targets margin and centre of gravity)
    {26, {KnopfOK}},  // design: margin target not met within the iterations
    {27, {KnopfOK}},  // design: centre-of-gravity target not met within the iterations
    {28, {KnopfOK}},  // design: angle left -90..90 (target lift coefficient)
    {29, {KnopfOK}},  // stability margin outside -100..100
    {30, {KnopfOK}},  // volume-model panels below 10
    {31, {KnopfOK}},  // climb angle outside 0..90
    {33, {KnopfOK}},  // total mass below 0.001 kg
    {39, {KnopfOK}},  // flap group outside 0..99
    {41, {KnopfOK}},  // surface index below -1
    {42, {KnopfYES, KnopfNO}},  // a polar step failed: go on?
    {43, {KnopfOK}},  // flap chord in m outside 0..chord
    {44, {KnopfOK}},  // sweep from a depth offset outside -89..89
    {45, {KnopfOK}},  // export resolution below 10
    {46, {KnopfOK}},  // export resolution not a whole number
    {47, {KnopfOK}},  // polars cannot be saved as .CSV
    {48, {KnopfOK}},  // the equation system has no usable solution
    {50, {KnopfOK}},  // a computation gave values that are no finite numbers
    {51, {KnopfOK}},  // the aircraft has no panel to compute
    {52, {KnopfOK}},  // the equation system would not fit into memory
    {60, {KnopfOK}},  // elliptic surface: segment count not a whole number above 0
    {61, {KnopfOK}},  // an undo snapshot could not be written
};

// Every output text the program builds into its output, by use (ranges may overlap).
const struct {
    int von, bis;
    const char* verwendung;
} Ausgabetextvertrag[] = {
    {1, 2, "captions of the one-field input dialogs"},
    {124, 124, "caption of the total-polar remark dialog"},
    {229, 229, "caption of the elliptic-surface dialog"},
    {237, 237, "caption of the circulation auxiliary curve dialog"},
    {3, 3, "aircraft tab of the results window"},
    {5, 7, "results window and exports"},
    {9, 17, "results window and exports"},
    {20, 36, "results window and exports"},
    {39, 59, "results window and exports"},
    {65, 69, "results window and exports"},
    {71, 79, "results window and exports"},
    {86, 87, "results window and exports"},
    {101, 115, "strip table and marker line"},
    {231, 232, "results window and exports"},
    {238, 238, "results window and exports"},
    {350, 353, "robust neutral point and its warning"},
    {37, 38, "marker line of the 2D diagrams, polar plain text"},
    {81, 83, "marker line of the 2D diagrams"},
    {60, 64, "status words of the computation phases"},
    {84, 84, "quick help"},
    {85, 85, "sideslip note in the 2D diagram"},
    {98, 100, "XD, XS, XN marks in the 2D diagram"},
    {88, 88, "memory-use prefix"},
    {89, 96, "flap-colour window"},
    {97, 97, "free-stream label in the 3D view"},
    {116, 123, "headers of the flap and incidence grids"},
    {127, 142, "polar window and polar export"},
    {149, 152, "polar window and polar export"},
    {171, 175, "polar window and polar export"},
    {177, 184, "polar window and polar export"},
    {233, 236, "polar export"},
    {145, 148, "scaling window"},
    {153, 170, "profile checks and characteristic values"},
    {185, 228, "geometry export"},
    {230, 230, "geometry export"},
    {300, 301, "settings file and program folder messages"},
    {302, 325, "messages, status lines and report captions of the command line"},
};

std::set<int> Ausgabetextnummern()
{
    std::set<int> nummern;
    for (const auto& b : Ausgabetextvertrag)
        for (int n = b.von; n <= b.bis; ++n) nummern.insert(n);
    return nummern;
}

/// The numbers of all block headers of a list.
std::set<int> Blocknummern(const std::vector<std::string>& zeilen)
{
    std::set<int> nummern;
    for (const std::string& z : zeilen) {
        const auto ende = z.find(']');
        if (z.starts_with('[') && ende != std::string::npos && z != "[ENDE]") nummern.insert(std::stoi(z.substr(1, ende - 1)));
    }
    return nummern;
}

}  // namespace

TEST(Sprachtexte, EveryErrorTextExistsWithItsButtons)
{
    for (const char* sprache : Sprachen) {
        const TSprachtexte texte = Geladen(sprache);
        std::set<int> vertrag;
        for (const auto& f : Fehlertextvertrag) {
            SCOPED_TRACE(std::string(sprache) + " error text " + std::to_string(f.n));
            vertrag.insert(f.n);
            const TFehlermeldung meldung = texte.Fehlertext(f.n);
            EXPECT_FALSE(meldung.Text.empty());
            EXPECT_EQ(meldung.Knoepfe, f.knoepfe);
            for (const std::string& zeile : meldung.Zeilen()) EXPECT_FALSE(zeile.empty());
        }
        EXPECT_EQ(Blocknummern(texte.Fehlertextzeilen), vertrag) << sprache << ": blocks for numbers nobody raises";
    }
}

TEST(Sprachtexte, EveryOutputTextExists)
{
    const std::set<int> vertrag = Ausgabetextnummern();
    for (const char* sprache : Sprachen) {
        const TSprachtexte texte = Geladen(sprache);
        for (const auto& b : Ausgabetextvertrag)
            for (int n = b.von; n <= b.bis; ++n)
                EXPECT_FALSE(texte.Ausgabetext(n).empty()) << sprache << " output text " << n << " (" << b.verwendung << ")";
        EXPECT_EQ(Blocknummern(texte.Ausgabetextzeilen), vertrag) << sprache << ": blocks for numbers nobody uses";
    }
}

// Texts that other text is glued to, and texts that are file vocabulary: the polar table is the
// old polar file, which the polar reader takes back by these words, whatever the language.
TEST(Sprachtexte, OutputTextsFitWhereTheyAreGlued)
{
    enum TForm { Gleich, BeginntMit, Enthaelt, EndetMitLeerzeichen, BeginntMitLeerzeichen, OhneLeerZifferMinus };
    const struct {
        int n;
        TForm form;
        const char* text;
    } regeln[] = {
        {62, EndetMitLeerzeichen, ""},     // followed by the wake element number
        {88, EndetMitLeerzeichen, ""},     // followed by the byte count
        {146, EndetMitLeerzeichen, ""},    // followed by the surface index
        {147, EndetMitLeerzeichen, ""},    // followed by the surface index
        {47, BeginntMitLeerzeichen, ""},   // follows the margin's "m"
        {174, OhneLeerZifferMinus, ""},    // glued to a flap group number that the reader takes back
        {175, OhneLeerZifferMinus, ""},    // glued to a surface index that the reader takes back
        {127, BeginntMit, "Alfa"},         // the reader finds the column line by it
        {138, Enthaelt, "XN. [m]"},        // the reader's sign of a neutral-point column
        {139, Enthaelt, "W [N]"},          // the reader's sign of a drag column
        {141, Gleich, "FLUGSZENE"},
        {142, Gleich, "BEMERKUNG"},
        {149, Gleich, "[KLAPPENBERECHNUNG]"},
        {150, Gleich, "[EWD-BERECHNUNG]"},
        {151, Gleich, "[ANSTELLWINKELBERECHNUNG]"},
        {152, Gleich, "[POLAR ENDE]"},
        {171, Gleich, "ANSTELLWINKEL FIXIERT"},
        {172, Gleich, "SCHWERPUNKT FIXIERT"},
        {173, Gleich, "CA FIXIERT"},
    };
    for (const char* sprache : Sprachen) {
        const TSprachtexte texte = Geladen(sprache);
        for (const auto& r : regeln) {
            const std::string t = texte.Ausgabetext(r.n);
            SCOPED_TRACE(std::string(sprache) + " output text " + std::to_string(r.n) + " \"" + t + "\"");
            ASSERT_FALSE(t.empty());
            switch (r.form) {
            case Gleich: EXPECT_EQ(t, r.text); break;
            case BeginntMit: EXPECT_TRUE(t.starts_with(r.text)); break;
            case Enthaelt: EXPECT_NE(t.find(r.text), std::string::npos); break;
            case EndetMitLeerzeichen: EXPECT_EQ(t.back(), ' '); break;
            case BeginntMitLeerzeichen: EXPECT_EQ(t.front(), ' '); break;
            case OhneLeerZifferMinus:
                EXPECT_EQ(t.find_first_of(" -0123456789"), std::string::npos);
                break;
            }
        }
    }
    // Reading a polar table of the older layout (AlteInfoUmsetzen) turns these German words back
    // into the row's warning codes.
    const TSprachtexte deutsch = Geladen("DEUTSCH");
    EXPECT_EQ(deutsch.Ausgabetext(178), "Ablösungen oben");
    EXPECT_EQ(deutsch.Ausgabetext(179), "Ablösungen unten");
    EXPECT_EQ(deutsch.Ausgabetext(180), "Nur im Rückenflug!");
    EXPECT_EQ(deutsch.Ausgabetext(181), "Fehlberechnung!");
}

TEST(Sprachtexte, ShippedFilesAreWindows1252WithCrLf)
{
    for (const char* sprache : Sprachen) {
        for (const char* datei : {"Fehlertexte/Fehlertexte.txt", "Ausgabetexte/Ausgabetexte.txt",
                                  "Bildschirmelemente/Bildschirmelemente.txt"}) {
            const fs::path pfad = Sprachordner(Quellordner, sprache) / datei;
            SCOPED_TRACE(pfad.string());
            const std::string roh = LeseDateiRoh(pfad);
            ASSERT_FALSE(roh.empty());
            EXPECT_TRUE(roh.ends_with("\r\n"));
            for (std::size_t i = 0; i < roh.size(); ++i) {
                const auto b = static_cast<unsigned char>(roh[i]);
                if (b == '\r') {
                    EXPECT_TRUE(i + 1 < roh.size() && roh[i + 1] == '\n') << "bare CR at byte " << i;
                }
                if (b == '\n') {
                    EXPECT_TRUE(i > 0 && roh[i - 1] == '\r') << "bare LF at byte " << i;
                }
                EXPECT_FALSE(b < 0x20 && b != '\r' && b != '\n') << "control byte at " << i;
                // Bytes without a character in Windows-1252.
                EXPECT_FALSE(b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) << "byte " << i;
            }
            // UTF-8 read as Windows-1252 shows up as "Ã" or "Â" pairs.
            const std::string text = Cp1252ZuUtf8(roh);
            EXPECT_EQ(text.find("Ã"), std::string::npos);
            EXPECT_EQ(text.find("Â"), std::string::npos);
        }
    }
    // German umlauts are single bytes on disk.
    const std::string deutsch = LeseDateiRoh(Sprachordner(Quellordner, "DEUTSCH") / "Fehlertexte/Fehlertexte.txt");
    EXPECT_NE(deutsch.find("\xC4nderungen"), std::string::npos);  // "Änderungen"
}

TEST(Sprachtexte, BuildCopiesTheFoldersBesideTheProgram)
{
    const fs::path programmverzeichnis = fs::path(VELION_CLI).parent_path();
    for (const char* sprache : Sprachen)
        for (const char* datei : {"Fehlertexte/Fehlertexte.txt", "Ausgabetexte/Ausgabetexte.txt"}) {
            SCOPED_TRACE(std::string(sprache) + "/" + datei);
            EXPECT_EQ(LeseDateiRoh(Sprachordner(programmverzeichnis, sprache) / datei),
                      LeseDateiRoh(Sprachordner(Quellordner, sprache) / datei));
        }
}
