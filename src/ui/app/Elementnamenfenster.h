// The element-name window: F8 names the control under the mouse as the screen-element file does.
#pragma once

#include <QWidget>

class QLabel;
class QPoint;

/// A small window for translators: its caption (and its one line, which can be selected and
/// copied) names the control under the mouse as "WINDOW.CONTROL".
class TElementnamenfenster : public QWidget {
public:
    explicit TElementnamenfenster(QWidget* parent);
    /// Names the control at this screen point and shows the window beside it.
    void Zeigen(const QPoint& bildschirmpunkt);

private:
    QLabel* name_;
};
