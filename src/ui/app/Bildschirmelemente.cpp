// Screen elements: resolving "WINDOW.CONTROL.PROPERTY" paths and setting the captions they name.
#include "ui/app/Bildschirmelemente.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

namespace {

QObject* KindFinden(QObject* eltern, const QString& name)
{
    for (QObject* kind : eltern->findChildren<QObject*>())
        if (kind->objectName().compare(name, Qt::CaseInsensitive) == 0) return kind;
    return nullptr;
}

/// A page of a tab row shows its caption on the tab.
QTabWidget* ReiterVon(QObject* objekt)
{
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w || !w->parentWidget()) return nullptr;
    return qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
}

QString Beschriftung(QObject* o)
{
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
    if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
    if (auto* a = qobject_cast<QAction*>(o)) return a->text();
    if (QTabWidget* r = ReiterVon(o)) return r->tabText(r->indexOf(static_cast<QWidget*>(o)));
    return {};
}

}  // namespace

QObject* BildschirmelementFinden(const QString& pfad, const QList<QObject*>& fenster, QString& eigenschaft)
{
    QStringList teile = pfad.split(QLatin1Char('.'));
    if (teile.size() < 2) return nullptr;
    eigenschaft = teile.takeLast().trimmed();
    QObject* objekt = nullptr;
    for (QObject* f : fenster)
        if (f->objectName().compare(teile.front().trimmed(), Qt::CaseInsensitive) == 0) objekt = f;
    teile.pop_front();
    for (const QString& teil : teile) {
        if (!objekt) return nullptr;
        objekt = KindFinden(objekt, teil.trimmed());
    }
    return objekt;
}

bool BildschirmelementSetzen(QObject* o, const QString& eigenschaft, const QString& wert)
{
    const QString e = eigenschaft.toUpper();
    if (e == QStringLiteral("HINT")) {
        if (auto* w = qobject_cast<QWidget*>(o)) w->setToolTip(wert);
        else if (auto* a = qobject_cast<QAction*>(o)) a->setToolTip(wert);
        else return false;
        return true;
    }
    if (e != QStringLiteral("CAPTION") && e != QStringLiteral("TEXT")) return false;
    if (auto* b = qobject_cast<QAbstractButton*>(o)) b->setText(wert);
    else if (auto* l = qobject_cast<QLabel*>(o)) l->setText(wert);
    else if (auto* g = qobject_cast<QGroupBox*>(o)) g->setTitle(wert);
    else if (auto* m = qobject_cast<QMenu*>(o)) m->setTitle(wert);
    else if (auto* a = qobject_cast<QAction*>(o)) a->setText(wert);
    else if (QTabWidget* r = ReiterVon(o)) r->setTabText(r->indexOf(static_cast<QWidget*>(o)), wert);
    else if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow()) w->setWindowTitle(wert);
    else return false;
    return true;
}

QString BildschirmelementLesen(QObject* o, const QString& eigenschaft)
{
    const QString e = eigenschaft.toUpper();
    if (e == QStringLiteral("HINT")) {
        if (auto* w = qobject_cast<QWidget*>(o)) return w->toolTip();
        if (auto* a = qobject_cast<QAction*>(o)) return a->toolTip();
        return {};
    }
    if (e != QStringLiteral("CAPTION") && e != QStringLiteral("TEXT")) return {};
    const QString text = Beschriftung(o);
    if (text.isEmpty())
        if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow()) return w->windowTitle();
    return text;
}

void BildschirmelementeAnwenden(const std::vector<std::string>& zeilen, const QList<QObject*>& fenster)
{
    for (const std::string& zeile : zeilen) {
        const auto gleich = zeile.find('=');
        if (gleich == std::string::npos) continue;
        const QString pfad = QString::fromStdString(zeile.substr(0, gleich)).trimmed();
        const QString wert = QString::fromStdString(zeile.substr(gleich + 1));
        if (pfad.isEmpty() || wert.isEmpty()) continue;
        QString eigenschaft;
        if (QObject* o = BildschirmelementFinden(pfad, fenster, eigenschaft)) BildschirmelementSetzen(o, eigenschaft, wert);
    }
}

QString Bildschirmelementpfad(QObject* o)
{
    if (auto* menue = qobject_cast<QMenu*>(o); menue && menue->activeAction() && !menue->activeAction()->objectName().isEmpty())
        o = menue->activeAction();
    const auto benannt = [](const QObject* x) { return !x->objectName().isEmpty() && !x->objectName().startsWith(QStringLiteral("qt_")); };
    while (o && !benannt(o)) o = o->parent();
    QObject* fenster = o;
    for (; fenster; fenster = fenster->parent()) {
        auto* w = qobject_cast<QWidget*>(fenster);
        if (w && w->isWindow() && !qobject_cast<QMenu*>(w)) break;
    }
    if (!o || !fenster) return {};
    if (o == fenster) return fenster->objectName().toUpper();
    return fenster->objectName().toUpper() + QLatin1Char('.') + o->objectName().toUpper();
}

std::vector<std::string> BildschirmelementeAuflisten(const QList<QObject*>& fenster)
{
    std::vector<std::string> zeilen;
    for (QObject* f : fenster) {
        const std::string kopf = f->objectName().toUpper().toStdString() + ".";
        for (QObject* o : f->findChildren<QObject*>()) {
            if (o->objectName().isEmpty() || o->objectName().startsWith(QStringLiteral("qt_"))) continue;
            const std::string pfad = kopf + o->objectName().toUpper().toStdString();
            const QString text = Beschriftung(o);
            if (!text.isEmpty()) zeilen.push_back(pfad + ".CAPTION=" + text.toStdString());
            // A menu item without a hint of its own shows its caption as the hint.
            const QString hinweis = BildschirmelementLesen(o, QStringLiteral("HINT"));
            if (!hinweis.isEmpty() && hinweis != text) zeilen.push_back(pfad + ".HINT=" + hinweis.toStdString());
        }
    }
    return zeilen;
}
