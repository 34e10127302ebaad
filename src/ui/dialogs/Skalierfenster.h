// The scaling window: the whole aircraft or the current surface multiplied by a factor given as a
// new span or as a percentage, with the choices of what the factor applies to.
#pragma once

#include <QDialog>
#include <QPointer>

#include "common/Extended.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class THauptfenster;

class TSkalierfenster : public QDialog {
    Q_OBJECT
public:
    explicit TSkalierfenster(THauptfenster& hauptfenster);

    /// Shows the window for the whole aircraft (`flugzeug`) or for the current surface.
    void Oeffnen(bool flugzeug);
    /// The caption, the reference span and what may be entered, from the aircraft as it is now.
    void Anzeigen();
    /// The span field's text as the new span; false (with the error shown) when it is not one.
    bool SpannweiteUebernehmen();
    /// The percentage field's text as the factor ("übernehmen").
    bool ProzentUebernehmen();
    bool Flugzeugmodus() const { return flugzeug_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool Anwenden(Extended faktor);

    THauptfenster& haupt_;
    QPointer<QWidget> diagramm_;  ///< whose redraws this window follows
    bool flugzeug_ = true;
    int flaeche_ = -1;              ///< the surface of surface mode
    Extended referenz_ = 0.0L;      ///< the span the new one is compared with
    QRadioButton* unveraendert_;
    QRadioButton* linear_;
    QRadioButton* quadratisch_;
    QCheckBox* profiltiefen_;
    QCheckBox* segmentbreiten_;
    QCheckBox* positionX_;
    QCheckBox* positionY_;
    QCheckBox* positionZ_;
    QCheckBox* rumpf_;
    QCheckBox* nachlauf_;
    QLabel* spannweitentext_;
    QLineEdit* spannweite_;
    QWidget* spannweitenknoepfe_;
    QLineEdit* prozent_;
};
