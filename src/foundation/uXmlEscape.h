#pragma once

#include <QString>

// The character escaping of the markup documents.

// "<", "&", ">", the double quote and "'" become their entities; the character with code 1
// becomes "&nbsp;". Everything else is copied.
QString XmlEscape(const QString& text);

// Replaces "&name;" and "&#number;" by the character they stand for, with the quirks the
// documents have always been read with: one level only ("&amp;lt;" gives "&lt;"), a numeric
// code keeps its low 8 bits, the closing ";" may be missing at the end of the text, and an
// unknown entity loses only its "&" ("&xyz;" gives "xyz;").
//
// The documents are single-byte Windows-1250 text, so a code from 128 to 255 stands for that
// byte of the document and becomes the character Windows-1250 gives it: "&#179;" is "ł", and
// "&atilde;" (227) is "ă", exactly what the byte would have read as.
QString XmlUnescape(const QString& text);
