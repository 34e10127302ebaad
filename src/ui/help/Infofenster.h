// The information window: the program's name and version and the disclaimer.
#pragma once

#include <QDialog>

#include <string>

class QLabel;

class TInfofenster : public QDialog {
    Q_OBJECT
public:
    /// `programmtitel` is the line with the program's name and version.
    TInfofenster(QWidget* eltern, const QString& programmtitel);

    /// The disclaimer in German when the language in upper case is DEUTSCH, in English otherwise.
    void Beschriften(const std::string& sprache);
    QString Text() const;

private:
    QLabel* titel_;
    QLabel* haftung_;
};
