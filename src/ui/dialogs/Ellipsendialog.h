// The input window of the elliptic wing: the segment count per half; a count that is no whole
// number above 0 is refused and asked for again.
#pragma once

#include <QInputDialog>

class THauptfenster;

class TEllipsendialog : public QInputDialog {
    Q_OBJECT
public:
    explicit TEllipsendialog(THauptfenster& hauptfenster);

    /// Opens the window with "15"; "OK" makes the surface or, for a wrong count, asks again.
    void Oeffnen();

private:
    THauptfenster& haupt_;
};
