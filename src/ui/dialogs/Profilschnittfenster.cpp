// The profile section window: the blended section at the marker, drawn to the window's size.
#include "ui/dialogs/Profilschnittfenster.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "geometry/Profilbefehle.h"
#include "profile/T_Profil.h"
#include "ui/app/Hauptfenster.h"
#include "ui/dialogs/Profilzeichnung.h"
#include "ui/view/Diagramm2D.h"

TProfilschnittfenster::TProfilschnittfenster(THauptfenster& hauptfenster)
    : QDialog(&hauptfenster), haupt_(hauptfenster), bildfeld_(new QLabel(this))
{
    setObjectName(QStringLiteral("Profilschnittfenster"));
    setWindowTitle(QStringLiteral("Profilschnitt"));
    bildfeld_->setObjectName(QStringLiteral("Schnittbild"));
    bildfeld_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    bildfeld_->setMinimumSize(200, 80);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("Schliessen"));
    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);
    auto* l = new QVBoxLayout(this);
    l->addWidget(bildfeld_, 1);
    l->addWidget(schliessen, 0, Qt::AlignHCenter);
    resize(600, 260);
}

void TProfilschnittfenster::Zeigen()
{
    // The diagram's every redraw reaches this window too.
    if (!diagramm_ && (diagramm_ = haupt_.Diagramm2D())) diagramm_->installEventFilter(this);
    show();
    raise();
    Aktualisieren();
}

void TProfilschnittfenster::Aktualisieren()
{
    const TFLUGZEUG* f = haupt_.Szene ? haupt_.Szene->Flugzeug.get() : nullptr;
    const TFLAECHE* fl = f ? f->Flaechen.Get(f->AktuelleFlaeche) : nullptr;
    if (!fl) return;
    const std::unique_ptr<TProfil> schnitt = Profilschnitt(*fl, Extended(haupt_.Diagramm2D()->Markierungsposition()));
    // A segment without end profiles shows an empty frame.
    bild_ = Profilbild(schnitt ? *schnitt : TProfil(), bildfeld_->width(), bildfeld_->height());
    bildfeld_->setPixmap(QPixmap::fromImage(bild_));
}

bool TProfilschnittfenster::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Paint && isVisible() && objekt == diagramm_) Aktualisieren();
    return QDialog::eventFilter(objekt, ereignis);
}

void TProfilschnittfenster::resizeEvent(QResizeEvent* ereignis)
{
    QDialog::resizeEvent(ereignis);
    if (isVisible()) Aktualisieren();
}
