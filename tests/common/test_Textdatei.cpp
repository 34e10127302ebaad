// Atomic replacement of files: a replaced file keeps its permissions, a folder is never replaced,
// a save through a link updates the link's target, and a planted file with a guessable temporary
// name is neither followed nor touched.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "common/Fehler.h"
#include "common/Textdatei.h"

namespace {

namespace fs = std::filesystem;

class Textdatei : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = fs::path(::testing::TempDir()) /
                 ("velion_textdatei_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    static mode_t Rechte(const fs::path& p)
    {
        struct stat s {};
        EXPECT_EQ(::stat(p.c_str(), &s), 0);
        return s.st_mode & 07777;
    }
    fs::path ordner;
};

TEST_F(Textdatei, ErsetzenBehaeltRechteUndLaesstKeineReste)
{
    const fs::path datei = ordner / "szene.vel";
    SchreibeDateiAtomar(datei, "alt");
    fs::permissions(datei, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
    SchreibeDateiAtomar(datei, "neu");
    EXPECT_EQ(LeseDateiRoh(datei), "neu");
    EXPECT_EQ(Rechte(datei), 0600u);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator{}), 1);
}

TEST_F(Textdatei, SpeichernUeberEinenVerweisAendertDessenZiel)
{
    const fs::path ziel = ordner / "echt.vel";
    const fs::path verweis = ordner / "verweis.vel";
    SchreibeDateiAtomar(ziel, "alt");
    fs::create_symlink("echt.vel", verweis);
    SchreibeDateiAtomar(verweis, "neu");
    EXPECT_TRUE(fs::is_symlink(verweis));
    EXPECT_EQ(LeseDateiRoh(ziel), "neu");
}

TEST_F(Textdatei, VorbereiteteTemporaereNamenWerdenNichtVerfolgt)
{
    // Links named like the temporary files of earlier versions point at a file that must stay.
    const fs::path fremd = ordner / "fremd.txt";
    SchreibeDateiAtomar(fremd, "unberuehrt");
    fs::create_symlink(fremd, ordner / "szene.vel.tmp~");
    fs::create_symlink(fremd, ordner / ".szene.vel.tmp");
    SchreibeDateiAtomar(ordner / "szene.vel", "szene");
    EXPECT_EQ(LeseDateiRoh(fremd), "unberuehrt");
    EXPECT_EQ(LeseDateiRoh(ordner / "szene.vel"), "szene");
}

TEST_F(Textdatei, EinOrdnerAlsZielWirdNichtErsetzt)
{
    fs::create_directories(ordner / "ordner.vel" / "inhalt");
    EXPECT_THROW(SchreibeDateiAtomar(ordner / "ordner.vel", "neu"), EDatei);
    EXPECT_TRUE(fs::is_directory(ordner / "ordner.vel" / "inhalt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator{}), 1);
}

TEST(Dateitext, Utf8BleibtUndWindows1252WirdUmgesetzt)
{
    EXPECT_EQ(DateitextZuUtf8("Fl\xC3\xBCgel"), "Flügel");              // UTF-8 as today's editors write it
    EXPECT_EQ(DateitextZuUtf8("\xEF\xBB\xBF" "Fl\xC3\xBCgel"), "Flügel");  // with a byte-order mark
    EXPECT_EQ(DateitextZuUtf8("Fl\xFCgel \x80"), "Flügel €");            // Windows-1252
    EXPECT_EQ(DateitextZuUtf8("\xC3"), "Ã");                             // cut sequence: no UTF-8
    EXPECT_EQ(DateitextZuUtf8("\xED\xA0\x80"), "í\xC2\xA0€");            // a surrogate is no UTF-8
}

}  // namespace
