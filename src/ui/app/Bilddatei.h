// Saving a drawing of a window as a picture file the user names.
#pragma once

class QImage;
class QString;
class QWidget;

/// Offers a file for a drawing: BMP or JPEG, the extension added when the name has none of them.
void BildSpeichern(QWidget* eltern, const QImage& bild, const QString& vorschlag);
