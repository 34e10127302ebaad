// The exceptions the core lets through: a text that is no number, and a file that cannot be read or written.
#pragma once

#include <stdexcept>
#include <string>

class EVelionFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A text that is no number (or no integer) where one was expected.
class EKonvertierung : public EVelionFehler {
public:
    EKonvertierung(const std::string& text, const std::string& erwartet);
    const std::string& Text() const { return text_; }
    const std::string& Erwartet() const { return erwartet_; }

private:
    std::string text_;
    std::string erwartet_;
};

/// A file error with its place: file name, line number (0 when the file as a whole is meant),
/// the offending line and what was expected there.
class EDatei : public EVelionFehler {
public:
    EDatei(const std::string& datei, int zeile, const std::string& zeilentext, const std::string& erwartet);
    const std::string& Datei() const { return datei_; }
    int Zeile() const { return zeile_; }

private:
    std::string datei_;
    int zeile_;
};
