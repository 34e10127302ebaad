// Languages, help and information windows offscreen: the screen-element files of both languages name
// controls that exist, a language switch relabels the windows and back, F1 opens the page of the
// focused field, every help link resolves, the information window and the font info file; the
// "Sprachen" menu follows the settings, and F8 names the control under the mouse.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

#include <map>
#include <set>

#include "app/Einstellungen.h"
#include "common/Fehler.h"
#include "common/Textdatei.h"
#include "ui/app/Bildschirmelemente.h"
#include "ui/app/Hauptfenster.h"
#include "ui/app/Schriftinfo.h"
#include "ui/help/Hilfefenster.h"
#include "ui/help/Hilfeseiten.h"
#include "ui/help/Infofenster.h"
#include "ui/help/Kontexthilfe.h"

namespace {

const QString Doku = QStringLiteral(VELION_SOURCE "/resources/VELION_DOC/");

/// The screen-element lines of a language as path (upper case, trimmed) and value; later lines win.
std::map<QString, QString> Bildschirmelemente(const QString& sprache)
{
    std::map<QString, QString> zeilen;
    for (const std::string& z :
         LeseTextzeilen((Doku + sprache + QStringLiteral("/Bildschirmelemente/Bildschirmelemente.txt")).toStdString())) {
        const QString zeile = QString::fromStdString(z);
        zeilen[zeile.section(QLatin1Char('='), 0, 0).trimmed().toUpper()] = zeile.section(QLatin1Char('='), 1);
    }
    return zeilen;
}

QList<QObject*> Fenster()
{
    QList<QObject*> fenster;
    for (QWidget* w : QApplication::topLevelWidgets()) fenster.append(w);
    return fenster;
}

/// A named control whose texts the screen elements set: not one of Qt's own, nor a part of a file
/// dialog, which Qt's translation words.
bool TextVonUns(const QObject* o)
{
    if (o->objectName().isEmpty() || o->objectName().startsWith(QStringLiteral("qt_"))) return false;
    for (; o; o = o->parent())
        if (qobject_cast<const QFileDialog*>(o)) return false;
    return true;
}

/// Saves a picture of the window when VELION_TESTBILDER names a folder (for looking at it).
void Bild(QWidget* w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("VELION_TESTBILDER");
    if (!ordner.isEmpty()) w->grab().save(QDir(ordner).filePath(name));
}

}  // namespace

class TSpracheTest : public QObject {
    Q_OBJECT

private slots:
    void BildschirmelementeNennenSteuerelemente()
    {
        THauptfenster fenster;
        const auto deutsch = Bildschirmelemente(QStringLiteral("DEUTSCH"));
        const auto englisch = Bildschirmelemente(QStringLiteral("ENGLISH"));
        QVERIFY(deutsch.size() > 100);
        for (const auto* sprache : {&deutsch, &englisch})
            for (const auto& [pfad, wert] : *sprache) {
                QString eigenschaft;
                QObject* o = BildschirmelementFinden(pfad, Fenster(), eigenschaft);
                QVERIFY2(o, qPrintable(pfad));
                QVERIFY2(BildschirmelementSetzen(o, eigenschaft, wert), qPrintable(pfad));
            }
        QStringList nurDeutsch, nurEnglisch;
        for (const auto& [pfad, wert] : deutsch)
            if (!englisch.count(pfad)) nurDeutsch << pfad;
        for (const auto& [pfad, wert] : englisch)
            if (!deutsch.count(pfad)) nurEnglisch << pfad;
        QVERIFY2(nurDeutsch.isEmpty(), qPrintable(QStringLiteral("nur DEUTSCH: ") + nurDeutsch.join(QLatin1Char(' '))));
        QVERIFY2(nurEnglisch.isEmpty(), qPrintable(QStringLiteral("nur ENGLISH: ") + nurEnglisch.join(QLatin1Char(' '))));
    }

    void JederNameFuehrtZuSeinemSteuerelement()
    {
        // Names are matched without regard to case and the first match wins, so two controls of a
        // window whose names differ only in case would leave the second unreachable: the path F8
        // shows must lead back to the control it was shown for.
        THauptfenster fenster;
        QStringList falsch;
        for (QObject* f : Fenster())
            for (QObject* o : f->findChildren<QObject*>()) {
                if (!TextVonUns(o) || (BildschirmelementLesen(o, QStringLiteral("CAPTION")).isEmpty() &&
                                       BildschirmelementLesen(o, QStringLiteral("HINT")).isEmpty()))
                    continue;
                const QString pfad = Bildschirmelementpfad(o);
                QString eigenschaft;
                if (BildschirmelementFinden(pfad + QStringLiteral(".CAPTION"), Fenster(), eigenschaft) != o) falsch << pfad;
            }
        falsch.removeDuplicates();
        QVERIFY2(falsch.isEmpty(), qPrintable(falsch.join(QLatin1Char(' '))));
    }

    void JederTextHatSeineZeile()
    {
        // Every control that shows text is named by a line of each language, so that a language
        // switch leaves no caption behind.
        THauptfenster fenster;
        for (const QString& sprache : {QStringLiteral("DEUTSCH"), QStringLiteral("ENGLISH")}) {
            std::set<std::pair<QObject*, QString>> benannt;
            for (const auto& [pfad, wert] : Bildschirmelemente(sprache)) {
                QString eigenschaft;
                if (QObject* o = BildschirmelementFinden(pfad, Fenster(), eigenschaft)) benannt.emplace(o, eigenschaft.toUpper());
            }
            QStringList fehlt;
            for (QObject* f : Fenster())
                for (QObject* o : f->findChildren<QObject*>()) {
                    if (!TextVonUns(o)) continue;
                    const QString text = BildschirmelementLesen(o, QStringLiteral("CAPTION"));
                    const QString hinweis = BildschirmelementLesen(o, QStringLiteral("HINT"));
                    if (!text.isEmpty() && !benannt.count({o, QStringLiteral("CAPTION")}))
                        fehlt << Bildschirmelementpfad(o) + QStringLiteral(".CAPTION=") + text;
                    // A menu item without a hint of its own shows its caption as the hint.
                    if (!hinweis.isEmpty() && hinweis != text.trimmed() && !benannt.count({o, QStringLiteral("HINT")}))
                        fehlt << Bildschirmelementpfad(o) + QStringLiteral(".HINT=") + hinweis;
                }
            fehlt.removeDuplicates();
            for (const QString& z : fehlt) qWarning().noquote() << sprache << z;
            QVERIFY2(fehlt.isEmpty(), qPrintable(sprache + QStringLiteral(": ") + QString::number(fehlt.size()) + QStringLiteral(" ohne Zeile")));
        }
    }

    void SprachwechselUndZurueck()
    {
        THauptfenster fenster;
        const auto deutsch = Bildschirmelemente(QStringLiteral("DEUTSCH"));
        const auto englisch = Bildschirmelemente(QStringLiteral("ENGLISH"));
        // The captions the two languages word differently.
        std::vector<std::tuple<QObject*, QString, QString, QString>> verschieden;
        for (const auto& [pfad, wert] : deutsch) {
            const auto e = englisch.find(pfad);
            if (e == englisch.end() || e->second == wert || wert.isEmpty() || e->second.isEmpty()) continue;
            QString eigenschaft;
            if (QObject* o = BildschirmelementFinden(pfad, Fenster(), eigenschaft))
                verschieden.emplace_back(o, eigenschaft, wert, e->second);
        }
        QVERIFY(verschieden.size() > 50);
        for (const auto& [o, eigenschaft, de, en] : verschieden) QCOMPARE(BildschirmelementLesen(o, eigenschaft), de);

        fenster.Host.AutomatischeAntwort = KnopfOK;
        fenster.SpracheWaehlen(QStringLiteral("English"));
        QCOMPARE(fenster.Host.Texte.EingestellteSprache, std::string("ENGLISH"));
        for (const auto& [o, eigenschaft, de, en] : verschieden) QCOMPARE(BildschirmelementLesen(o, eigenschaft), en);
        fenster.show();
        Bild(&fenster, QStringLiteral("hauptfenster_english.png"));

        fenster.SpracheWaehlen(QStringLiteral("&DEUTSCH"));
        QCOMPARE(fenster.Host.Texte.EingestellteSprache, std::string("DEUTSCH"));
        for (const auto& [o, eigenschaft, de, en] : verschieden) QCOMPARE(BildschirmelementLesen(o, eigenschaft), de);
    }

    void SprachmenueFolgtDenEinstellungen()
    {
        QTemporaryDir ordner;
        const std::filesystem::path datenordner = ordner.path().toStdString();
        const auto menue = [](THauptfenster& f) { return f.menuBar()->findChild<QMenu*>(QStringLiteral("MenueSprachen")); };
        {
            // Without a settings file the menu stays empty.
            THauptfenster fenster(nullptr, datenordner);
            QVERIFY(menue(fenster)->actions().isEmpty());
        }
        SchreibeTextzeilen(datenordner / "Velion.ini", {"[SPRACHEN]", "VERFÜGBARE SPRACHE=English", "VERFÜGBARE SPRACHE=&Deutsch",
                                                       "EINGESTELLTE SPRACHE=DEUTSCH"});
        THauptfenster fenster(nullptr, datenordner);
        fenster.Host.AutomatischeAntwort = KnopfOK;
        const QList<QAction*> punkte = menue(fenster)->actions();
        QCOMPARE(punkte.size(), 2);
        QCOMPARE(punkte[0]->text(), QStringLiteral("English"));
        QCOMPARE(punkte[1]->text(), QStringLiteral("&Deutsch"));
        // Qt's own buttons follow the language too.
        const auto jaKnopf = [] {
            QMessageBox box;
            return box.addButton(QMessageBox::Yes)->text();
        };
        // And so do the core's own messages, such as a file that cannot be read.
        const auto dateifehler = [] {
            try {
                LeseDateiRoh("/gibt/es/nicht.vel");
            } catch (const EDatei& e) {
                return std::string(e.what());
            }
            return std::string();
        };
        QCOMPARE(jaKnopf(), QStringLiteral("&Ja"));
        punkte[0]->trigger();
        QCOMPARE(fenster.Host.Texte.EingestellteSprache, std::string("ENGLISH"));
        QCOMPARE(jaKnopf(), QStringLiteral("&Yes"));
        QCOMPARE(dateifehler(), std::string("/gibt/es/nicht.vel: expected a readable file (not found or no access)"));
        punkte[1]->trigger();
        QCOMPARE(fenster.Host.Texte.EingestellteSprache, std::string("DEUTSCH"));
        QCOMPARE(jaKnopf(), QStringLiteral("&Ja"));
        QCOMPARE(dateifehler(), std::string("/gibt/es/nicht.vel: erwartet wird eine lesbare Datei (nicht gefunden oder kein Zugriff)"));
        // The list is rebuilt, not added to.
        fenster.Einstellungen.VerfuegbareSprachen = {"ENGLISH"};
        fenster.SprachmenueAufbauen();
        QCOMPARE(menue(fenster)->actions().size(), 1);
    }

    void MitgelieferteEinstellungenNennenJedeSprache()
    {
        // The first settings file the program brings lists exactly the language folders it brings,
        // and otherwise keeps every default.
        std::vector<std::string> verworfen;
        TEinstellungen e = EinstellungenLesen(VELION_SOURCE "/resources/Velion.ini", verworfen);
        QVERIFY(verworfen.empty());
        QStringList ordner = QDir(Doku).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QStringList genannt;
        for (const std::string& s : e.VerfuegbareSprachen) genannt << QString::fromStdString(s);
        genannt.sort();
        QCOMPARE(genannt, ordner);
        e.VerfuegbareSprachen.clear();
        QCOMPARE(e, TEinstellungen{});
    }

    void F8NenntDasSteuerelementUnterDerMaus_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pfad");
        QTest::newRow("Feld") << "Segmentbreite" << "HAUPTFENSTER.SEGMENTBREITE";
        QTest::newRow("Knopf") << "Undo" << "HAUPTFENSTER.UNDO";
    }

    void F8NenntDasSteuerelementUnterDerMaus()
    {
        QFETCH(QString, name);
        QFETCH(QString, pfad);
        QTemporaryDir ordner;
        THauptfenster fenster(nullptr, ordner.path().toStdString());
        QVERIFY(fenster.SeiteZeigen(QStringLiteral("SeiteFluegel")));
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        auto* ziel = fenster.findChild<QWidget*>(name);
        QVERIFY(ziel && ziel->isVisible());
        QCursor::setPos(ziel->mapToGlobal(ziel->rect().center()));
        QTest::keyClick(ziel, Qt::Key_F8);
        QWidget* namensfenster = fenster.findChild<QWidget*>(QStringLiteral("Elementnamenfenster"));
        QVERIFY(namensfenster && namensfenster->isVisible());
        QCOMPARE(namensfenster->windowTitle(), pfad);
        Bild(namensfenster, QStringLiteral("elementname_") + name + QStringLiteral(".png"));
        // The name leads back to the control in the screen-element grammar.
        QString eigenschaft;
        QCOMPARE(BildschirmelementFinden(pfad + QStringLiteral(".CAPTION"), Fenster(), eigenschaft), ziel);
    }

    void F8UeberEinemOffenenMenue()
    {
        // Over an open menu F8 names its highlighted item, as the menu holds the keyboard.
        QTemporaryDir ordner;
        THauptfenster fenster(nullptr, ordner.path().toStdString());
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        auto* datei = fenster.menuBar()->findChild<QMenu*>(QStringLiteral("MenueDatei"));
        QVERIFY(datei);
        datei->popup(fenster.mapToGlobal(QPoint(20, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(datei));
        QAction* laden = fenster.findChild<QAction*>(QStringLiteral("FlugzeugLaden"));
        datei->setActiveAction(laden);
        QCursor::setPos(datei->mapToGlobal(datei->actionGeometry(laden).center()));
        QTest::keyClick(datei, Qt::Key_F8);
        QWidget* namensfenster = fenster.findChild<QWidget*>(QStringLiteral("Elementnamenfenster"));
        QVERIFY(namensfenster && namensfenster->isVisible());
        QCOMPARE(namensfenster->windowTitle(), QStringLiteral("HAUPTFENSTER.FLUGZEUGLADEN"));
        datei->hide();
    }

    void F1OeffnetSeiteDesFelds_data()
    {
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("hilfeseite");
        QTest::newRow("Konstrukteur") << "SeiteFlugzeug" << "Konstrukteur" << "007_2.html";
        QTest::newRow("Flaechenmasse") << "SeiteFluegel" << "FlaecheMasse" << "008_7.html";
        QTest::newRow("Segmentbreite") << "SeiteFluegel" << "Segmentbreite" << "009_2.html";
        QTest::newRow("Stabilitaetsmass") << "SeiteAuslegung" << "Stabilitaetsmass" << "014_3.html";
        QTest::newRow("Luftdichte") << "SeiteAuslegung" << "Luftdichte" << "014_11.html";
    }

    void F1OeffnetSeiteDesFelds()
    {
        QFETCH(QString, seite);
        QFETCH(QString, feld);
        QFETCH(QString, hilfeseite);
        THauptfenster fenster;
        QVERIFY(fenster.SzeneOeffnen(VELION_EXAMPLES "/Segler.vel"));
        fenster.show();
        fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        QVERIFY(fenster.SeiteZeigen(seite));
        auto* edit = fenster.findChild<QLineEdit*>(feld);
        QVERIFY(edit);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_F1);
        THilfefenster* hilfe = fenster.Kontexthilfe()->Hilfefenster();
        QVERIFY(hilfe->isVisible());
        QCOMPARE(hilfe->Seite(), hilfeseite);
        QVERIFY(!hilfe->Browser()->toPlainText().trimmed().isEmpty());
        if (feld == QStringLiteral("Stabilitaetsmass")) Bild(hilfe, QStringLiteral("hilfe_014_3.png"));
        fenster.Geaendert = false;
    }

    void HilfeMenueUndFehlendeSeite()
    {
        THauptfenster fenster;
        TKontexthilfe* hilfe = fenster.Kontexthilfe();
        // A page that does not exist opens nothing.
        hilfe->Hilfeseite = QStringLiteral("gibtsnicht.html");
        hilfe->HilfeOeffnen();
        QVERIFY(!hilfe->Hilfefenster()->isVisible());
        fenster.findChild<QAction*>(QStringLiteral("Hilfe"))->trigger();
        QVERIFY(hilfe->Hilfefenster()->isVisible());
        QCOMPARE(hilfe->Hilfefenster()->Seite(), QStringLiteral("index.html"));
        Bild(hilfe->Hilfefenster(), QStringLiteral("hilfe_index.png"));
    }

    void JederLinkFuehrtZuEinerSeite_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::newRow("DEUTSCH") << "DEUTSCH";
        QTest::newRow("ENGLISH") << "ENGLISH";
    }

    void JederLinkFuehrtZuEinerSeite()
    {
        QFETCH(QString, sprache);
        const QDir ordner(Doku + sprache + QStringLiteral("/hilfe"));
        // Every page the context help opens exists ...
        for (const QString& seite : Hilfeseiten()) QVERIFY2(ordner.exists(seite), qPrintable(seite));
        // ... and every link of every page leads to a page of the folder (and to an anchor it has).
        const QRegularExpression verweis(QStringLiteral("href=\"([^\"]*)\""));
        const QStringList seiten = ordner.entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(seiten.size() >= Hilfeseiten().size());
        int links = 0;
        for (const QString& seite : seiten) {
            QFile datei(ordner.filePath(seite));
            QVERIFY(datei.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(datei.readAll());
            QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(seite));
            for (const QRegularExpressionMatch& m : verweis.globalMatch(html)) {
                const QString ziel = m.captured(1);
                if (ziel.startsWith(QStringLiteral("http"))) continue;
                const QString zielseite = ziel.section(QLatin1Char('#'), 0, 0);
                const QString anker = ziel.section(QLatin1Char('#'), 1);
                QVERIFY2(!zielseite.isEmpty() && ordner.exists(zielseite), qPrintable(seite + QStringLiteral(": ") + ziel));
                if (!anker.isEmpty()) {
                    QFile zielDatei(ordner.filePath(zielseite));
                    QVERIFY(zielDatei.open(QIODevice::ReadOnly));
                    QVERIFY2(zielDatei.readAll().contains(("id=\"" + anker + "\"").toUtf8()),
                             qPrintable(seite + QStringLiteral(": ") + ziel));
                }
                ++links;
            }
        }
        QVERIFY(links > seiten.size());
    }

    void InfoZeigtProgrammnamen()
    {
        THauptfenster fenster;
        fenster.findChild<QAction*>(QStringLiteral("Info"))->trigger();
        TInfofenster* info = fenster.Kontexthilfe()->Infofenster();
        QVERIFY(info->isVisible());
        QVERIFY(info->Text().startsWith(QStringLiteral("VELION  Vers. 01.215 25.01.2015\n")));
        QVERIFY(info->Text().contains(QStringLiteral("Modellbau")));
        info->close();
        fenster.SpracheWaehlen(QStringLiteral("ENGLISH"));
        fenster.findChild<QAction*>(QStringLiteral("Info"))->trigger();
        QVERIFY(info->Text().contains(QStringLiteral("man-carrying aircraft")));
        Bild(info, QStringLiteral("info_english.png"));
    }

    void SchnellhilfeZeigtAusgabetext84()
    {
        THauptfenster fenster;
        fenster.findChild<QAction*>(QStringLiteral("Schnellhilfe"))->trigger();
        auto* meldung = fenster.findChild<QMessageBox*>(QStringLiteral("Schnellhilfefenster"));
        QVERIFY(meldung && meldung->isVisible());
        QCOMPARE(meldung->text(), QString::fromStdString(fenster.Host.Ausgabetext(84)));
        QVERIFY(!meldung->text().isEmpty());
        Bild(meldung, QStringLiteral("schnellhilfe.png"));
        meldung->close();
    }

    void SchriftinfoLesen_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<int>("farbe");
        QTest::addColumn<QString>("stil");
        QTest::newRow("alle") << QStringList{"FONT_NAME= Arial ", "FONT_SIZE=11", "FONT_COLOR=255", "FONT_STYLE=[fsBold]"}
                              << "Arial" << 11 << 255 << "[fsBold]";
        QTest::newRow("leer gibt Vorgaben") << QStringList{"FONT_NAME=", "FONT_SIZE=", "FONT_COLOR=", "FONT_STYLE="}
                                           << "MS Sans Serif" << 8 << 0 << "";
        QTest::newRow("spaetere gewinnt") << QStringList{"FONT_SIZE=9", "FONT_NAME=A=B", "FONT_SIZE=14"} << "A=B" << 14
                                         << -2 << "-";
    }

    void SchriftinfoLesen()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, name);
        QFETCH(int, groesse);
        QFETCH(int, farbe);
        QFETCH(QString, stil);
        std::vector<std::string> z;
        for (const QString& s : zeilen) z.push_back(s.toStdString());
        const TSchriftinfo info = ::SchriftinfoLesen(z);
        QCOMPARE(info.Name.value_or(QString()), name);
        QCOMPARE(info.Groesse.value_or(-1), groesse);
        QCOMPARE(info.Farbe.value_or(-2), farbe);  // -2: the file has no colour
        QCOMPARE(info.Stil.value_or(QStringLiteral("-")), stil);
    }

    void SchriftinfoSetzt()
    {
        QWidget fenster;
        auto* text = new QLabel(QStringLiteral("x"), &fenster);
        const QColor vorher = text->palette().color(QPalette::WindowText);
        // A negative colour leaves the control's own colour.
        SchriftinfoSetzen(::SchriftinfoLesen({"FONT_SIZE=13", "FONT_COLOR=-1", "FONT_STYLE=[fsItalic,fsUnderline]"}),
                          {&fenster});
        QCOMPARE(text->font().pointSize(), 13);
        QVERIFY(text->font().italic() && text->font().underline() && !text->font().bold());
        QCOMPARE(text->palette().color(QPalette::WindowText), vorher);
        // 0x00BBGGRR: 0x0000FF is red.
        SchriftinfoSetzen(::SchriftinfoLesen({"FONT_COLOR=255"}), {&fenster});
        QCOMPARE(text->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(text->font().pointSize(), 13);
    }
};

QTEST_MAIN(TSpracheTest)
#include "test_Sprache.moc"
