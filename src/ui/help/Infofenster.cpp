// The information window: a title line and the disclaimer in the current language.
#include "ui/help/Infofenster.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString HaftungDeutsch = QStringLiteral(
    "Dieses Programm wurde für den Modellbau entworfen und getestet. Seine Ergebnisse dürfen nicht für "
    "die Konstruktion manntragender Luftfahrzeuge verwendet werden.\n\n"
    "Für Schäden, die aus der Benutzung des Programms oder seiner Daten entstehen, wird keine Haftung "
    "übernommen.");

const QString HaftungEnglisch = QStringLiteral(
    "This program was designed and tested for model building. Its results must not be used for the "
    "construction of man-carrying aircraft.\n\n"
    "No liability is accepted for any damage arising from the use of the program or of its data.");

}  // namespace

// The title and the disclaimer are the program's own in both languages: no screen elements, so the
// labels stay unnamed.
TInfofenster::TInfofenster(QWidget* eltern, const QString& programmtitel)
    : QDialog(eltern), titel_(new QLabel(programmtitel, this)), haftung_(new QLabel(this))
{
    setObjectName(QStringLiteral("Infofenster"));
    setWindowTitle(QStringLiteral("Info"));
    QFont groesser = titel_->font();
    groesser.setBold(true);
    groesser.setPointSizeF(groesser.pointSizeF() * 1.3);
    titel_->setFont(groesser);
    haftung_->setWordWrap(true);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* l = new QVBoxLayout(this);
    l->addWidget(titel_);
    l->addSpacing(8);
    l->addWidget(haftung_);
    l->addWidget(knoepfe);
    setMinimumWidth(460);
    Beschriften("DEUTSCH");
}

void TInfofenster::Beschriften(const std::string& sprache)
{
    haftung_->setText(QString::fromStdString(sprache).toUpper() == QStringLiteral("DEUTSCH") ? HaftungDeutsch
                                                                                             : HaftungEnglisch);
}

QString TInfofenster::Text() const { return titel_->text() + QLatin1Char('\n') + haftung_->text(); }
