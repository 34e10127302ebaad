// The element-name window: F8 names the control under the mouse as the screen-element file does.
#include "ui/app/Elementnamenfenster.h"

#include "ui/app/Bildschirmelemente.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

TElementnamenfenster::TElementnamenfenster(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Elementnamenfenster"));
    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("Elementname"));
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* rahmen = new QVBoxLayout(this);
    rahmen->addWidget(name_);
    setMinimumWidth(320);
}

void TElementnamenfenster::Zeigen(const QPoint& bildschirmpunkt)
{
    QWidget* unterMaus = QApplication::widgetAt(bildschirmpunkt);
    const QString pfad = unterMaus ? Bildschirmelementpfad(unterMaus) : QString();
    setWindowTitle(pfad);
    name_->setText(pfad);
    // Beside the pointer, so that the control stays in sight.
    move(bildschirmpunkt + QPoint(16, 16));
    show();
    raise();
}
