// The folders window: the default folder of the scenes and that of the profiles.
#pragma once

#include <QDialog>

class QLineEdit;
struct TEinstellungen;

class TVerzeichnisfenster : public QDialog {
    Q_OBJECT
public:
    TVerzeichnisfenster(TEinstellungen& einstellungen, QWidget* eltern);

    QLineEdit* Flugszenen() const { return flugszenen_; }
    QLineEdit* Profile() const { return profile_; }

protected:
    /// Showing copies the two settings into the fields, closing copies the fields back, so a
    /// folder typed by hand counts as well.
    void showEvent(QShowEvent* ereignis) override;
    void done(int ergebnis) override;

private:
    TEinstellungen& einstellungen_;
    QLineEdit* flugszenen_ = nullptr;
    QLineEdit* profile_ = nullptr;
};
