#include "foundation/uTextFile.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <array>

namespace {

// Unicode code points of the bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const QHash<char16_t, unsigned char>& EncodeTable() {
    static const QHash<char16_t, unsigned char> table = [] {
        QHash<char16_t, unsigned char> t;
        for (int i = 0; i < 128; ++i)
            t.insert(kHighHalf[i], static_cast<unsigned char>(0x80 + i));
        return t;
    }();
    return table;
}

} // namespace

QChar Cp1250ToUnicode(unsigned char byte) {
    return byte < 0x80 ? QChar(byte) : QChar(kHighHalf[byte - 0x80]);
}

QString DecodeCp1250(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes)
        *out++ = Cp1250ToUnicode(static_cast<unsigned char>(c));
    return text;
}

QByteArray EncodeCp1250(const QString& text, int* unmappable) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    int replaced = 0;
    const auto& table = EncodeTable();
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80) {
            bytes[n++] = static_cast<char>(u);
            continue;
        }
        const auto it = table.constFind(u);
        if (it != table.constEnd()) {
            bytes[n++] = static_cast<char>(*it);
            continue;
        }
        // A surrogate pair is one character of the text: one "?" for both halves.
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes[n++] = '?';
        ++replaced;
    }
    bytes.truncate(n);
    if (unmappable)
        *unmappable = replaced;
    return bytes;
}

bool ReadTextFile(const QString& path, QString& text, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    text = DecodeCp1250(bytes);
    return true;
}

bool ReadTextLines(const QString& path, QStringList& lines, QString* error) {
    QString text;
    if (!ReadTextFile(path, text, error))
        return false;
    lines = TextLines(text);
    return true;
}

QStringList TextLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    // A final line end does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

bool WriteTextFile(const QString& path, const QString& text, QString* error) {
    return WriteWholeFile(path, EncodeCp1250(text), error);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error,
                    TWholeWrite mode) {
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk, a size limit) shows in write()'s result:
    // a buffered flush at commit() can lose it and rename a truncated file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.error() != QFileDevice::NoError
                         ? file.errorString()
                         : QStringLiteral("Nie zapisano całego pliku.");
        file.cancelWriting();
        file.commit(); // discards the temporary file
        return false;
    }
    if (mode == TWholeWrite::wwTryOnly) {
        file.cancelWriting();
        file.commit(); // discards the temporary file
        return true;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

namespace {

QString JoinedLines(const QStringList& lines) {
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

} // namespace

bool WriteTextLines(const QString& path, const QStringList& lines, QString* error) {
    return WriteTextFile(path, JoinedLines(lines), error);
}

QByteArray TextLinesBytes(const QStringList& lines) {
    return EncodeCp1250(JoinedLines(lines));
}
