// A recording host that answers output texts from a shipped language folder, for tests of text
// that a spreadsheet or a reader takes apart again.
#pragma once

#include <string>

#include "app/Sprachtexte.h"
#include "common/TestHilfe.h"

class TTextHost : public TAufzeichnenderHost {
public:
    explicit TTextHost(const std::string& sprache = "DEUTSCH")
    {
        texte_.EingestellteSprache = sprache;
        EXPECT_TRUE(texte_.SpracheLaden(std::string(VELION_SOURCE) + "/resources")) << sprache;
    }
    std::string Ausgabetext(int n) const override { return texte_.Ausgabetext(n); }

private:
    TSprachtexte texte_;
};
