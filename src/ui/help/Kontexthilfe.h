// Context help: the help page of the area last under the mouse or last given the focus, F1 to open
// it, and the items of the "Hilfe" menu (help contents, quick help, information window).
#pragma once

#include <QObject>
#include <QString>

#include <filesystem>

class QWidget;
class TSprachtexte;
class THilfefenster;
class TInfofenster;

class TKontexthilfe : public QObject {
    Q_OBJECT
public:
    /// Watches every window of the application; the help and information windows belong to `hauptfenster`.
    TKontexthilfe(QWidget* hauptfenster, const TSprachtexte& texte, const QString& programmtitel);
    ~TKontexthilfe() override;

    /// The page F1 opens.
    QString Hilfeseite = QStringLiteral("index.html");

    /// Opens `Hilfeseite` from the help folder of the current language; nothing happens when the page
    /// is missing.
    void HilfeOeffnen();
    /// The menu item "Hilfe": the contents page.
    void Inhalt();
    /// The menu item "Schnellhilfe": output text 84 in an information dialog.
    void Schnellhilfe();
    /// The menu item "Info".
    void Info();

    /// The help folder of the current language.
    std::filesystem::path Hilfeordner() const;
    THilfefenster* Hilfefenster() const { return hilfefenster_; }
    TInfofenster* Infofenster() const { return infofenster_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* hauptfenster_;
    const TSprachtexte& texte_;
    THilfefenster* hilfefenster_;
    TInfofenster* infofenster_;
};
