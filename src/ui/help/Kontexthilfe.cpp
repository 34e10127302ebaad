// Context help: follows the mouse and the focus through the windows and opens the page on F1.
#include "ui/help/Kontexthilfe.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

#include "app/Sprachtexte.h"
#include "ui/help/Hilfefenster.h"
#include "ui/help/Hilfeseiten.h"
#include "ui/help/Infofenster.h"

TKontexthilfe::TKontexthilfe(QWidget* hauptfenster, const TSprachtexte& texte, const QString& programmtitel)
    : QObject(hauptfenster),
      hauptfenster_(hauptfenster),
      texte_(texte),
      hilfefenster_(new THilfefenster(hauptfenster)),
      infofenster_(new TInfofenster(hauptfenster, programmtitel))
{
    qApp->installEventFilter(this);
}

TKontexthilfe::~TKontexthilfe() { qApp->removeEventFilter(this); }

std::filesystem::path TKontexthilfe::Hilfeordner() const
{
    return Sprachordner(Programmverzeichnis(), texte_.EingestellteSprache) / "hilfe";
}

void TKontexthilfe::HilfeOeffnen() { hilfefenster_->Oeffnen(Hilfeordner(), Hilfeseite); }

void TKontexthilfe::Inhalt()
{
    Hilfeseite = QStringLiteral("index.html");
    HilfeOeffnen();
}

void TKontexthilfe::Schnellhilfe()
{
    auto* meldung = new QMessageBox(QMessageBox::Information, QStringLiteral("VELION"),
                                    QString::fromStdString(texte_.Ausgabetext(84)), QMessageBox::Ok, hauptfenster_);
    meldung->setObjectName(QStringLiteral("Schnellhilfefenster"));
    meldung->setAttribute(Qt::WA_DeleteOnClose);
    meldung->open();
}

void TKontexthilfe::Info()
{
    infofenster_->Beschriften(texte_.EingestellteSprache);
    infofenster_->open();
}

bool TKontexthilfe::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::Enter && art != QEvent::FocusIn && art != QEvent::Show && art != QEvent::KeyPress)
        return QObject::eventFilter(objekt, ereignis);
    // The help window itself neither names a page nor answers F1.
    auto* w = objekt->isWidgetType() ? static_cast<QWidget*>(objekt) : nullptr;
    if (!w || w->window() == hilfefenster_) return QObject::eventFilter(objekt, ereignis);
    switch (art) {
    case QEvent::Enter:
    case QEvent::FocusIn:
    case QEvent::Show: {
        // A window that is shown names its page only as a whole (the polar window does).
        if (art == QEvent::Show && !w->isWindow()) break;
        const QString seite = HilfeseiteVon(objekt);
        if (!seite.isEmpty()) Hilfeseite = seite;
        break;
    }
    case QEvent::KeyPress: {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() != Qt::Key_F1) break;
        HilfeOeffnen();
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(objekt, ereignis);
}
