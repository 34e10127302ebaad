// The command line's host: progress and status on stderr as one updating line (on a terminal; into a
// file or pipe each new status text as a line of its own, without percentages), error texts printed
// to stderr and answered without asking (see `Antwort`), output texts from the language folder, and
// the --sprache option every subcommand offers.
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <string>

#include "app/Sprachtexte.h"
#include "common/Host.h"

class TKonsolenHost : public THost {
public:
    /// A host over the texts of `sprache` in the language folder beside the executable. A missing
    /// folder is reported once on stderr; every text then stays empty.
    explicit TKonsolenHost(bool still, const std::string& sprache = "DEUTSCH");
    /// A host over texts loaded elsewhere, writing progress and messages to `meldungen`: as an
    /// updating line when `terminal`, else one line per new status text.
    TKonsolenHost(bool still, TSprachtexte texte, std::ostream& meldungen = std::cerr,
                  bool terminal = StderrIstTerminal());
    static bool StderrIstTerminal();
    ~TKonsolenHost() override;

    std::string Ausgabetext(int n) const override;
    void Statustext(const std::string& text) override;
    void Fortschritt(TFortschrittsbalken balken, int position, int maximum) override;

    /// The answer a run without a user gives to a dialog with these buttons: the first of the set
    /// (YES, NO, OK, ABORT), OK when the block names none, and NO to the save question (YES, NO and
    /// ABORT): a batch run holds no unsaved work of the user's, and saving would need a file dialog.
    static TKnopf Antwort(const std::vector<TKnopf>& knoepfe);

protected:
    int ZeigeFehlertext(int n) override;

private:
    void Zeichne();
    void ZeileSchliessen();

    TSprachtexte texte_;
    std::ostream& meldungen_;
    bool still_;
    bool terminal_;
    std::string status_;
    std::string protokolliert_;  ///< the status text last written as a line (not on a terminal)
    int prozent_ = -1;
    bool zeileOffen_ = false;
};

/// Adds --sprache NAME to a subcommand: the language folder below VELION_DOC in
/// `programmverzeichnis`, taken in upper case as the language menu does; a name without a folder is
/// refused as bad usage. `sprache` is set to DEUTSCH, the value when the option is not given.
CLI::Option* SpracheOptionHinzufuegen(CLI::App& befehl, std::string& sprache,
                                      const std::filesystem::path& programmverzeichnis = Programmverzeichnis());
