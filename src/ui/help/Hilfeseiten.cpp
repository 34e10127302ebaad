// Context help: the pages of the help folder assigned to the controls of the windows, by object name.
#include "ui/help/Hilfeseiten.h"

#include <QHash>
#include <QObject>
#include <QStringList>

namespace {

/// Page of each control, area and window (object names in lower case). A caption "L_<name>"
/// belongs to the field <name>.
const QHash<QString, QString>& Zuordnung()
{
    static const QHash<QString, QString> tabelle = [] {
        // Page and the names it explains, separated by blanks.
        const std::pair<const char*, const char*> seiten[] = {
            {"index.html", "Hauptfenster"},
            {"007.html", "SeiteFlugzeug AktuellesFlugzeug"},
            {"007_1.html", "FlugzeugNeu"},
            {"007_2.html", "Konstrukteur FlugzeugBezeichnung"},
            {"007_3.html", "AnsichtX AnsichtY AnsichtZ"},
            {"007_4.html", "BetrachtungX BetrachtungY"},
            {"007_5.html", "ZusMassen"},
            {"007_6.html", "NPVerschieben Antriebsauslegung"},
            {"007_7.html", "FlugzeugSkalierung"},
            {"008.html", "SeiteFluegel Wurzel WurzelReiter WurzelBezMasse WurzelEll Elliptisch"},
            {"008_1.html", "FlaecheNeu"},
            {"008_2.html", "FlaecheBezeichnung"},
            {"008_3.html", "WurzelPos FlaecheX FlaecheY FlaecheZ"},
            {"008_4.html", "WurzelPanels PanelsX"},
            {"008_5.html", "VerteilungX"},
            {"008_5_1.html", "Alfa0Cm0Optimierung"},
            {"008_5_2.html", "PanelsVolumen"},
            {"008_6.html", "WurzelProfilTiefe WurzelTiefe WurzelBezugspunkt"},
            {"008_7.html", "FlaecheMasse"},
            {"008_8.html", "WurzelWinkel Einstellwinkel"},
            {"008_9.html", "WurzelProfilWaehlen WurzelProfilSpeichern WurzelInvertieren"},
            {"008_10.html", "Flaechennummer FlaecheZurueck FlaecheVor"},
            {"008_11.html", "FlaecheKopie"},
            {"008_12.html", "FlaecheImport"},
            {"008_13.html", "FlaecheLoeschen"},
            {"008_14.html", "WurzelVerwindung"},
            {"009.html", "Segment SegmentReiter"},
            {"009_1.html", "Segmentnummer SegmentZurueck SegmentVor"},
            {"009_2.html", "SegmentReiterBreite Segmentbreite"},
            {"009_3.html", "SegmentProfilTiefe SegmentTiefe SegmentBezugspunkt"},
            {"009_4.html", "SegmentVForm VWinkel"},
            {"009_5.html", "SegmentPfeilung Pfeilwinkel Bezugslinie"},
            {"009_6.html", "SegmentVerwindung SegmentVerwindungswinkel"},
            {"009_7.html", "SegmentPanels PanelsY"},
            {"009_8.html", "VerteilungY"},
            {"009_9.html", "SegmentNeuL SegmentNeuR"},
            {"009_10.html", "SegmentLoeschen"},
            {"009_11.html", "SegmentSplitten Splitten"},
            {"009_12.html", "SegmentKlappen KlappentiefeLinks KlappentiefeRechts Klappenwinkel"},
            {"009_13.html", "SegmentProfilWaehlen StrakEinbauen SegmentInvertieren"},
            {"010.html", "Fluegelhaelfte Spiegeln HaelfteLoeschen ImmerSpiegeln"},
            {"011.html", "Flaechenliste"},
            {"012.html", "Gruppe3D Ansicht3D"},
            {"012_1.html", "GefuelltePanels"},
            {"012_2.html", "VerdeckteLinien"},
            {"012_3.html", "FreieWirbel"},
            {"012_4.html", "GebundeneWirbel"},
            {"012_5.html", "Panelnormalen"},
            {"012_6.html", "Panelkraefte"},
            {"012_7.html", "Volumenmodell"},
            {"012_8.html", "Anstroemvektor"},
            {"012_9.html", "Segmentkanten"},
            {"012_10.html", "Momentenrichtung"},
            {"012_11.html", "Rotieren Verschieben Zoomen"},
            {"012_12.html", "Bearbeiten"},
            {"012_13.html", "Nullpunkt"},
            {"012_14.html", "Markierungslaenge"},
            {"012_15.html", "SymmetrieCheck"},
            {"012_16.html", "Speichern3D Kopieren3D"},
            {"013.html", "Undo Redo"},
            {"014.html", "SeiteAuslegung AuslegungStationaer"},
            {"014_1.html", "Anstellwinkel"},
            {"014_2.html", "AuslegungsCa"},
            {"014_3.html", "Stabilitaetsmass"},
            {"014_4.html", "SchwerpunktX"},
            {"014_5.html", "FlugGeschwindigkeit"},
            {"014_6.html", "BerechnungStarten BerechnungStopp MaxIteration Iterationsschritt"},
            {"014_7.html", "Schiebewinkel"},
            {"014_8.html", "Flughoehe"},
            {"014_9.html", "Nachlauf AnzahlNachlaufelemente NachlaufLaenge"},
            {"014_10.html", "BerechneteWerte Ergebnisfenster"},
            {"014_11.html", "Widerstandsberechnung Interferenzwiderstand Rumpfquerschnitt RumpfWiderstand Luftdichte Multithread WasserLuft"},
            {"015.html", "Gruppe2D Diagramm2D Panelgitter GesamtFlugzeug Klappenwinkel2D CaMaxMin"},
            {"015_1.html", "Zirkulation GammaVorgabe HilfskurveIntegral"},
            {"015_2.html", "XD XS XN"},
            {"015_3.html", "MarkierungPosY Informationszeile"},
            {"015_4.html", "CaLokal"},
            {"015_5.html", "CwiLokal CwvLokal CwgLokal"},
            {"015_6.html", "AiLokal"},
            {"015_7.html", "ReLokal Blasenwarnung"},
            {"015_8.html", "Profilschnitt"},
            {"015_9.html", "Rechts2D Links2D Oben2D Unten2D ZoomPlus2D ZoomMinus2D Standard2D Speichern2D Kopieren2D"},
            {"017.html", "SeiteGesamtpolaren"},
            {"017_1.html", "SeiteKlappenberechnungen Klappenberechnungen"},
            {"017_2.html", "SeiteEWD EWD"},
            {"017_3.html", "Polarfenster"},
        };
        QHash<QString, QString> t;
        for (const auto& [seite, namen] : seiten)
            for (const QString& name : QString::fromLatin1(namen).split(QLatin1Char(' ')))
                t.insert(name.toLower(), QString::fromLatin1(seite));
        return t;
    }();
    return tabelle;
}

}  // namespace

QString HilfeseiteVon(const QObject* objekt)
{
    const QHash<QString, QString>& tabelle = Zuordnung();
    for (const QObject* o = objekt; o; o = o->parent()) {
        QString name = o->objectName().toLower();
        if (name.startsWith(QStringLiteral("l_"))) name.remove(0, 2);
        const auto treffer = tabelle.constFind(name);
        if (treffer != tabelle.constEnd()) return *treffer;
    }
    return {};
}

QStringList Hilfeseiten()
{
    QStringList seiten = Zuordnung().values();
    seiten.removeDuplicates();
    seiten.sort();
    return seiten;
}
