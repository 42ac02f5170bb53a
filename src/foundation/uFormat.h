#pragma once

#include <QString>
#include <QVariantList>

// Fills a message or statement text the way the program's resource texts are written:
//
//   "%" [index ":"] ["-"] [width] ["." precision] type
//
// type  d  decimal integer; the precision is the least number of digits (zero-padded)
//       u  unsigned decimal (a negative 32-bit value counts from 2^32)
//       x  upper-case hexadecimal; the precision as for d
//       s  text; the precision is the most characters taken
//       f  fixed-point number, precision digits after the decimal separator (default 2)
//       n  as f, with thousands separators
//       g  the shortest exact form of a number
// "%%" is a single "%". An index ("%0:s") takes that argument, and the placeholders after it
// continue from the next one. Width and precision may be "*", taken from the next argument.
// The width pads with spaces on the left, or on the right after "-". Numbers use the decimal
// separator of the program's locale.
//
// A placeholder without its argument, of a type not listed, or whose argument is not of the
// right kind (text for d) stays in the result as written, so a wrong call shows up in the
// text rather than stopping the program.
QString Format(const QString& fmt, const QVariantList& args);
