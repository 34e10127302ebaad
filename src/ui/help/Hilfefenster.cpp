// The help window: a text browser over the help folder with back, forward and contents buttons.
#include "ui/help/Hilfefenster.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

THilfefenster::THilfefenster(QWidget* eltern) : QWidget(eltern, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("Hilfefenster"));
    setWindowTitle(QStringLiteral("VELION"));
    browser_->setObjectName(QStringLiteral("HilfeText"));
    browser_->setOpenExternalLinks(true);

    auto* leiste = new QHBoxLayout;
    auto knopf = [this, leiste](const char* name, QStyle::StandardPixmap bild, const QString& hinweis) {
        auto* k = new QToolButton(this);
        k->setObjectName(QString::fromLatin1(name));
        k->setIcon(style()->standardIcon(bild));
        k->setToolTip(hinweis);
        leiste->addWidget(k);
        return k;
    };
    QToolButton* zurueck = knopf("HilfeZurueck", QStyle::SP_ArrowBack, QStringLiteral("Zurück"));
    QToolButton* vor = knopf("HilfeVor", QStyle::SP_ArrowForward, QStringLiteral("Vor"));
    QToolButton* inhalt = knopf("HilfeInhalt", QStyle::SP_DirHomeIcon, QStringLiteral("Inhalt"));
    leiste->addStretch(1);
    zurueck->setEnabled(false);
    vor->setEnabled(false);
    connect(zurueck, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(vor, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(inhalt, &QToolButton::clicked, this, [this] { Oeffnen(ordner_, QStringLiteral("index.html")); });
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString titel = browser_->documentTitle();
        setWindowTitle(titel.isEmpty() ? QStringLiteral("VELION") : QStringLiteral("VELION - ") + titel);
    });

    auto* l = new QVBoxLayout(this);
    l->addLayout(leiste);
    l->addWidget(browser_, 1);
    resize(720, 620);
}

bool THilfefenster::Oeffnen(const std::filesystem::path& ordner, const QString& seite)
{
    const std::filesystem::path datei = ordner / seite.toStdString();
    std::error_code fehler;
    if (!std::filesystem::is_regular_file(datei, fehler)) return false;
    ordner_ = ordner;
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(datei.string())));
    show();
    raise();
    activateWindow();
    return true;
}

QString THilfefenster::Seite() const { return browser_->source().fileName(); }
