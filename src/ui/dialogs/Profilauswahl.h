// The window "Profilauswahl": a folder and its ".dat" files, the preview of the file under the
// cursor with its characteristic values and failed checks, and "Profil übernehmen" into the root or
// segment profile it was opened for. It also keeps the profile folder the save command starts in.
#pragma once

#include <QDialog>

#include <filesystem>
#include <memory>

#include "geometry/Profilbefehle.h"

class QLineEdit;
class QListWidget;
class QWidget;
class THauptfenster;
class TProfil;

class TProfilauswahl : public QDialog {
    Q_OBJECT
public:
    explicit TProfilauswahl(THauptfenster& hauptfenster);
    ~TProfilauswahl() override;

    /// The folder last used for profiles; empty until the window was closed once or a profile saved.
    std::filesystem::path Profilverzeichnis;

    /// Shows the window for the current surface's root (`segment` false) or current segment.
    void Oeffnen(bool segment);
    /// Shows the folder's subfolders and ".dat" files; false, changing nothing, when it cannot be read.
    bool OrdnerZeigen(const QString& ordner);
    QString Ordner() const { return ordner_; }
    /// Previews the file of the list with this name; false when the list has none.
    bool DateiWaehlen(const QString& name);
    /// "Profil übernehmen": the selected file into the target; false when nothing was taken over.
    bool Uebernehmen();
    /// "Profil speichern unter" for the root (`segment` false) or the current segment.
    void SpeichernUnter(bool segment);
    /// Writes that profile under `gewaehlt` with the extension ".dat"; the written file, empty when
    /// there is no such profile or writing failed (reported).
    std::filesystem::path ProfilSpeichern(bool segment, const std::filesystem::path& gewaehlt);

    const TProfil& Vorschau() const { return *vorschau_; }
    QListWidget* Beiwerte() const { return beiwerte_; }
    QListWidget* Fehlerliste() const { return fehlerliste_; }

protected:
    void hideEvent(QHideEvent* ereignis) override;

private:
    void VorschauFuellen();

    THauptfenster& haupt_;
    TProfilziel ziel_;
    std::unique_ptr<TProfil> vorschau_;
    QString ordner_;
    QLineEdit* ordnerfeld_;
    QListWidget* ordnerliste_;
    QListWidget* dateiliste_;
    QListWidget* beiwerte_;
    QListWidget* fehlerliste_;
    QWidget* zeichnung_;
};
