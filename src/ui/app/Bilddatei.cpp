// Saving a drawing: the BMP/JPEG choice of the save dialog and the extension a bare name gets.
#include "ui/app/Bilddatei.h"

#include <QFileDialog>
#include <QImage>
#include <QMessageBox>

void BildSpeichern(QWidget* eltern, const QImage& bild, const QString& vorschlag)
{
    QString filter;
    QString name = QFileDialog::getSaveFileName(eltern, QString(), vorschlag,
                                                QStringLiteral("*.BMP,*.JPG (*.bmp *.jpg);;Bitmaps (*.bmp);;JPEG (*.jpg)"),
                                                &filter);
    if (name.isEmpty()) return;
    const QString gross = name.toUpper();
    const bool jpeg = gross.endsWith(QStringLiteral(".JPG")) || (!gross.endsWith(QStringLiteral(".BMP")) && filter.startsWith(QStringLiteral("JPEG")));
    if (!gross.endsWith(QStringLiteral(".BMP")) && !gross.endsWith(QStringLiteral(".JPG")))
        name += jpeg ? QStringLiteral(".JPG") : QStringLiteral(".BMP");
    if (!bild.save(name, jpeg ? "JPG" : "BMP"))
        QMessageBox::warning(eltern, QStringLiteral("VELION"), name);
}
