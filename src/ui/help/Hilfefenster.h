// The help window: the HTML pages of the language's help folder, following their links.
#pragma once

#include <QWidget>

#include <filesystem>

class QTextBrowser;

class THilfefenster : public QWidget {
    Q_OBJECT
public:
    explicit THilfefenster(QWidget* eltern);

    /// Shows `seite` of `ordner` and brings the window to the front; false (and nothing shown) when
    /// the page does not exist.
    bool Oeffnen(const std::filesystem::path& ordner, const QString& seite);
    /// The file of the page shown.
    QString Seite() const;
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    std::filesystem::path ordner_;
};
