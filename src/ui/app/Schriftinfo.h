// The font info file "Velion_Fontinfo.txt" beside the executable: one font for every window.
#pragma once

#include <QList>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QWidget;

/// The font the file sets; a key the file lacks leaves that property of every control alone.
struct TSchriftinfo {
    std::optional<QString> Name;
    std::optional<int> Groesse;  ///< points
    std::optional<int> Farbe;    ///< 0x00BBGGRR; negative leaves every control's own colour
    std::optional<QString> Stil; ///< e.g. "[fsBold,fsItalic]"; empty means plain
};

/// The lines FONT_NAME=, FONT_SIZE=, FONT_COLOR=, FONT_STYLE= (later lines win). An empty value
/// gives the default: "MS Sans Serif", 8, 0, plain; a size or colour that is no whole number too.
TSchriftinfo SchriftinfoLesen(const std::vector<std::string>& zeilen);

/// Sets the font on each window and every widget in it.
void SchriftinfoSetzen(const TSchriftinfo& info, const QList<QWidget*>& fenster);

/// Reads "Velion_Fontinfo.txt" in `programmverzeichnis` and applies it to the windows; without the
/// file (or when it cannot be read) the built-in fonts stay.
void SchriftinfoAnwenden(const std::filesystem::path& programmverzeichnis, const QList<QWidget*>& fenster);
