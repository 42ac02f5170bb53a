#pragma once

#include <QString>
#include <QStringList>
#include <ostream>
#include <string>

// Texts as GoogleTest shows them in the message of a failed assertion: Polish letters as they
// are, not as bytes.

// A Polish text written in a test's source, which is UTF-8.
inline QString U(const char* text) {
    return QString::fromUtf8(text);
}

inline std::string S(const QString& text) {
    return text.toStdString();
}

// The entries joined by "|".
inline std::string S(const QStringList& texts) {
    return texts.join(QLatin1Char('|')).toStdString();
}

// Found by GoogleTest through the argument's type, so EXPECT_EQ on Qt texts (and on lists of
// them) prints the texts.
void PrintTo(const QString& text, std::ostream* out);
