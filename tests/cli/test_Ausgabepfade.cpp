// Outputs are checked before any work: a file that is an input, an empty name or a folder is
// refused with exit code 2 and nothing is written; --threads 0 means one worker per processor.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliAufruf.h"
#include "common/Textdatei.h"

namespace {

namespace fs = std::filesystem;

TEST(Ausgabepfade, UngeeigneteAusgabenWerdenVorDerRechnungAbgewiesen)
{
    const fs::path ordner = CliOrdner("ausgabepfade");
    const fs::path szene = ordner / "s.vel";
    fs::copy_file(Beispielszene("Rechteckfluegel"), szene, fs::copy_options::overwrite_existing);
    const std::string vorher = LeseDateiRoh(szene);
    const std::string s = szene.string();
    const struct {
        const char* name;
        std::vector<std::string> argumente;
    } faelle[] = {
        {"gitter_ueber_szene", {"info", s, "--lattice", s}},
        {"ergebnis_ueber_szene", {"design", s, "--quiet", "--out", s}},
        {"ergebnis_in_ordner", {"design", s, "--quiet", "--out", ordner.string() + "/"}},
        {"ergebnis_leer", {"design", s, "--quiet", "--out", ""}},
        {"transfer_fehlt", {"design", s, "--quiet", "--transfer", (ordner / "fehlt").string()}},
        {"ordner_fehlt", {"save", s, (ordner / "fehlt" / "x.vel").string()}},
        {"threads_riesig", {"run", s, "--quiet", "--threads", "100000"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const TCliAufruf r = StarteCli(f.argumente, ordner, f.name);
        EXPECT_EQ(r.Rueckgabe, 2) << r.Fehler;
        EXPECT_TRUE(r.Aus.empty()) << r.Aus;
        EXPECT_EQ(LeseDateiRoh(szene), vorher);
        EXPECT_FALSE(fs::exists(ordner / ".VelOut"));
    }
    const TCliAufruf null = StarteCli({"run", s, "--quiet", "--threads", "0"}, ordner, "threads_null");
    EXPECT_EQ(null.Rueckgabe, 0) << null.Fehler;
}

}  // namespace
