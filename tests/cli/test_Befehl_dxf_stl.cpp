// velion-cli dxf and stl end to end: every example's drawing passes the audit of an independent DXF
// reader, every closed STL body has no open edges for an independent mesh tool, and bad choices are
// refused before anything is written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "cli/CliAufruf.h"
#include "export/DXF_Export.h"

namespace {

const std::filesystem::path Ordner = CliOrdner("befehl_dxf_stl");

std::vector<std::string> Beispiele()
{
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(VELION_EXAMPLES))
        if (e.path().extension() == ".vel") namen.push_back(e.path().stem().string());
    return namen;
}

/// stdout and stderr of a checking tool, one after the other.
std::string Ausgabe(const std::string& programm, const std::vector<std::string>& argumente, const std::string& kennung)
{
    const TCliAufruf r = StarteProgramm(programm, argumente, Ordner, kennung);
    return r.Aus + r.Fehler;
}

/// A Python that has ezdxf: Debian's own interpreter first, where the package installs it.
std::optional<std::string> PythonMitEzdxf()
{
    for (const std::string p : {"/usr/bin/python3", "python3"})
        if (StarteProgramm(p, {"-c", "import ezdxf"}, Ordner, "ezdxf_da").Rueckgabe == 0) return p;
    return std::nullopt;
}

/// The first number after the colon of the report line that starts with `bezeichnung`; -1 without one.
int Zaehlwert(const std::string& bericht, const std::string& bezeichnung)
{
    std::istringstream zeilen(bericht);
    std::string zeile;
    while (std::getline(zeilen, zeile)) {
        if (zeile.rfind(bezeichnung, 0) != 0) continue;
        const auto doppelpunkt = zeile.find(':');
        if (doppelpunkt == std::string::npos) return -1;
        return std::atoi(zeile.c_str() + doppelpunkt + 1);
    }
    return -1;
}

} // namespace

TEST(BefehlDxf, EveryExampleDrawingPassesTheAuditOfAnIndependentReader)
{
    const auto python = PythonMitEzdxf();
    if (!python) GTEST_SKIP() << "python3-ezdxf is not installed (scripts/setup installs it)";
    for (const std::string& name : Beispiele()) {
        SCOPED_TRACE(name);
        const auto dxf = Ordner / (name + ".dxf");
        const TCliAufruf r = StarteCli({"dxf", Beispielszene(name).string(), dxf.string(), "--quiet"}, Ordner, name + "_dxf");
        ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
        const std::string bericht =
            Ausgabe(*python, {std::string(VELION_SOURCE) + "/tests/cli/dxf_pruefen.py", dxf.string()}, name + "_ezdxf");
        EXPECT_NE(bericht.find("FEHLER 0\n"), std::string::npos) << bericht;
        std::map<std::string, int> anzahl;
        std::istringstream zeilen(bericht);
        std::string layer;
        int n = 0;
        while (zeilen >> layer >> n) anzahl[layer] = n;
        for (const std::string& l : DxfEbenenNamen()) EXPECT_GT(anzahl[l], 0) << l;
    }
}

TEST(BefehlStl, EveryClosedExampleBodyHasNoOpenEdgesForAnIndependentMeshTool)
{
    if (StarteProgramm("admesh", {"--version"}, Ordner, "admesh_da").Rueckgabe != 0) GTEST_SKIP() << "admesh is not installed (scripts/setup installs it)";
    for (const std::string& name : Beispiele()) {
        SCOPED_TRACE(name);
        const auto stl = Ordner / (name + ".stl");
        const TCliAufruf r = StarteCli({"stl", Beispielszene(name).string(), stl.string(), "--geschlossen", "--aufloesung", "40", "--quiet"},
                                       Ordner, name + "_stl");
        ASSERT_EQ(r.Rueckgabe, 0) << r.Fehler;
        // Only the check: no repair step may hide an open edge.
        const std::string bericht = Ausgabe("admesh", {"-n", "-u", "-f", "-d", "-v", stl.string()}, name + "_admesh");
        // A facet with a disconnected edge borders an open edge; a backwards edge is a facet turned
        // against its neighbours.
        EXPECT_EQ(Zaehlwert(bericht, "Total disconnected facets"), 0) << bericht;
        EXPECT_EQ(Zaehlwert(bericht, "Backwards edges"), 0) << bericht;
        EXPECT_GT(Zaehlwert(bericht, "Number of facets"), 0) << bericht;
    }
}

TEST(BefehlDxfStl, RefusesBadChoicesWithoutWriting)
{
    const auto ziel = Ordner / "abgelehnt.out";
    struct Fall {
        const char* name;
        std::vector<std::string> argumente;
        int rueckgabe;
    } faelle[] = {
        {"stl_unknown_surface", {"stl", Beispielszene("Segler").string(), ziel.string(), "--flaechen", "0,7"}, 2},
        {"dxf_unknown_surface", {"dxf", Beispielszene("Segler").string(), ziel.string(), "--flaechen", "-1"}, 2},
        {"stl_unit", {"stl", Beispielszene("Segler").string(), ziel.string(), "--einheit", "km"}, 2},
        {"dxf_layer", {"dxf", Beispielszene("Segler").string(), ziel.string(), "--ebenen", "3D-Rumpf"}, 2},
        {"dxf_spacing", {"dxf", Beispielszene("Segler").string(), ziel.string(), "--rippenabstand", "0"}, 2},
        {"stl_resolution", {"stl", Beispielszene("Segler").string(), ziel.string(), "--aufloesung", "9"}, 1},
        {"dxf_resolution", {"dxf", Beispielszene("Segler").string(), ziel.string(), "--aufloesung", "9"}, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        std::filesystem::remove(ziel);
        auto argumente = f.argumente;
        argumente.push_back("--quiet");
        const TCliAufruf r = StarteCli(argumente, Ordner, f.name);
        EXPECT_EQ(r.Rueckgabe, f.rueckgabe) << r.Fehler;
        EXPECT_FALSE(std::filesystem::exists(ziel));
    }
}

TEST(BefehlDxfStl, ChosenSurfacesAndUnitReachTheFile)
{
    const auto stl = Ordner / "auswahl.stl";
    const TCliAufruf alle = StarteCli({"stl", Beispielszene("Segler").string(), stl.string(), "--quiet"}, Ordner, "alle");
    ASSERT_EQ(alle.Rueckgabe, 0) << alle.Fehler;
    const auto groesseAlle = std::filesystem::file_size(stl);
    const TCliAufruf eine =
        StarteCli({"stl", Beispielszene("Segler").string(), stl.string(), "--flaechen", "0", "--einheit", "m", "--quiet"}, Ordner, "eine");
    ASSERT_EQ(eine.Rueckgabe, 0) << eine.Fehler;
    EXPECT_LT(std::filesystem::file_size(stl), groesseAlle);
    EXPECT_EQ(LeseDateiRoh(stl).substr(0, 6), "Segler");
}
