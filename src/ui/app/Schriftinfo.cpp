// The font info file: its four keys, and the font and text colour they give every control.
#include "ui/app/Schriftinfo.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include "common/Fehler.h"
#include "common/Textdatei.h"

namespace {

std::optional<int> Ganzzahl(const QString& text)
{
    bool gut = false;
    const int wert = text.toInt(&gut);
    return gut ? std::optional<int>(wert) : std::nullopt;
}

void Setzen(const TSchriftinfo& info, QWidget* w)
{
    QFont schrift = w->font();
    if (info.Name) schrift.setFamily(*info.Name);
    if (info.Groesse && *info.Groesse > 0) schrift.setPointSize(*info.Groesse);
    if (info.Stil) {
        schrift.setBold(info.Stil->contains(QStringLiteral("fsBold"), Qt::CaseInsensitive));
        schrift.setItalic(info.Stil->contains(QStringLiteral("fsItalic"), Qt::CaseInsensitive));
        schrift.setUnderline(info.Stil->contains(QStringLiteral("fsUnderline"), Qt::CaseInsensitive));
        schrift.setStrikeOut(info.Stil->contains(QStringLiteral("fsStrikeOut"), Qt::CaseInsensitive));
    }
    w->setFont(schrift);
    if (info.Farbe && *info.Farbe >= 0) {
        const int f = *info.Farbe;
        const QColor farbe(f & 0xFF, (f >> 8) & 0xFF, (f >> 16) & 0xFF);
        QPalette palette = w->palette();
        for (QPalette::ColorRole rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(rolle, farbe);
        w->setPalette(palette);
    }
}

}  // namespace

TSchriftinfo SchriftinfoLesen(const std::vector<std::string>& zeilen)
{
    TSchriftinfo info;
    for (const std::string& z : zeilen) {
        const QString zeile = QString::fromStdString(z);
        const QString wert = zeile.section(QLatin1Char('='), 1).trimmed();
        if (zeile.startsWith(QStringLiteral("FONT_NAME=")))
            info.Name = wert.isEmpty() ? QStringLiteral("MS Sans Serif") : wert;
        else if (zeile.startsWith(QStringLiteral("FONT_SIZE=")))
            info.Groesse = Ganzzahl(wert).value_or(8);
        else if (zeile.startsWith(QStringLiteral("FONT_COLOR=")))
            info.Farbe = Ganzzahl(wert).value_or(0);
        else if (zeile.startsWith(QStringLiteral("FONT_STYLE=")))
            info.Stil = wert;
    }
    return info;
}

void SchriftinfoSetzen(const TSchriftinfo& info, const QList<QWidget*>& fenster)
{
    for (QWidget* f : fenster) {
        Setzen(info, f);
        for (QWidget* w : f->findChildren<QWidget*>()) Setzen(info, w);
    }
}

void SchriftinfoAnwenden(const std::filesystem::path& programmverzeichnis, const QList<QWidget*>& fenster)
{
    const std::filesystem::path datei = programmverzeichnis / "Velion_Fontinfo.txt";
    std::error_code fehler;
    if (!std::filesystem::exists(datei, fehler)) return;
    try {
        SchriftinfoSetzen(SchriftinfoLesen(LeseTextzeilen(datei)), fenster);
    } catch (const EDatei&) {
        // An unreadable font file leaves the built-in fonts, as a missing one does.
    }
}
