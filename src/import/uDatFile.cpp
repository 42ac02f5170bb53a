#include "import/uDatFile.h"

#include "foundation/uArUtils.h"
#include "foundation/uTextFile.h"
#include "import/uAudioFileSearch.h"
#include "library/uSongData.h"
#include "settings/uSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

// Controls a text may hold: tab, line ends, form feed and the old end-of-file mark.
bool IsTextControl(unsigned char byte) {
    return byte == '\t' || byte == '\n' || byte == '\r' || byte == '\f' || byte == 0x1A;
}

bool IsStrayControl(unsigned char byte) {
    return (byte < 0x20 && !IsTextControl(byte)) || byte == 0x7F;
}

// The five codes Windows-1250 leaves undefined: no character of the playout system's files
// is written with them (a UTF-8 "Ł" is, for one).
bool IsUndefinedInCp1250(unsigned char byte) {
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

// A stray control byte is a slip of whoever edited the file and is read with the rest; a
// file with a NUL byte, or with controls in more than one byte of kControlShareLimit, is
// binary.
constexpr qsizetype kControlShareLimit = 10;

bool IsText(const QByteArray& bytes) {
    qsizetype controls = 0;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0 || IsUndefinedInCp1250(byte))
            return false;
        controls += IsStrayControl(byte) ? 1 : 0;
    }
    return controls * kControlShareLimit <= bytes.size();
}

// The values by folded key; the first line of a key wins.
class TDatValues {
public:
    explicit TDatValues(const QString& text) {
        QString lines = text;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        for (QStringView line : QStringView(lines).split(QLatin1Char('\n'))) {
            const qsizetype separator = line.indexOf(QLatin1Char('='));
            if (separator < 0)
                continue;
            const QString key = line.left(separator).toString().toCaseFolded();
            if (!Values.contains(key))
                Values.insert(key, line.mid(separator + 1).toString());
        }
    }

    QString Raw(const char* key) const {
        return Values.value(QString::fromLatin1(key).toCaseFolded());
    }
    QString Trimmed(const char* key) const { return Raw(key).trimmed(); }
    int Time(const char* key) const { return ParseDurationMs(Raw(key), false); }

private:
    QHash<QString, QString> Values;
};

QString CategoryNumber(const QString& name) {
    const int id = Options ? Options->Categories().IdByName(name) : 1;
    return QString::number(id);
}

} // namespace

QString DatTypeWord(const QString& value) {
    return value.mid(1, 3) == QLatin1String(" - ") ? value.mid(4) : value;
}

bool ParseDatBytes(const QByteArray& bytes, TSongData& song) {
    if (bytes.isEmpty() || bytes.size() > kMaxDatFileSize || !IsText(bytes))
        return false;
    const TDatValues dat(DecodeCp1250(bytes));
    const QString title = dat.Raw("Tyt");
    const QString performer = dat.Trimmed("Wyk");
    if (title.isEmpty() || performer.isEmpty())
        return false;

    // A fresh record: what the file does not say (compression, frequency, mode, owner, date,
    // labels, restrictions) takes the defaults of a new song, and it is to be imported.
    song = TSongData(song.Owner);
    song.Title = title;
    song.ArtistName = performer;
    song.AlbumTitle = dat.Trimmed("Pta");
    song.TextAuthor = dat.Trimmed("Aut");
    song.Publisher = dat.Trimmed("Wyd");
    song.Composer = dat.Trimmed("Kom");
    song.Year = StrToIntDef(dat.Trimmed("Rok"), -1);
    song.Year2 = song.Year;
    song.TypeText = DatTypeWord(dat.Raw("Typ"));
    song.TempoText = dat.Raw("Tmc");
    song.TempoInText = dat.Raw("Tmi");
    song.TempoOutText = dat.Raw("Tmo");
    song.VocalText = dat.Raw("Gen");
    song.AtmosphereText = dat.Raw("Nas");
    song.LanguageText = dat.Raw("Nar");
    song.FadeIn = dat.Time("FIn");
    song.FadeOut = dat.Time("FOu");
    song.Mix = dat.Time("Mix");
    song.Intro = dat.Time("Int");
    song.Outro = dat.Time("Out");
    song.NStart = dat.Time("NwP");
    song.NEnd = dat.Time("NwK");
    song.SetSongTime(dat.Time("Tot"));
    song.Category = CategoryNumber(dat.Raw("Ktg"));
    song.Quality = dat.Trimmed("Jak");
    song.Code = dat.Trimmed("Kod");
    song.Bpm = dat.Raw("BPM");
    return true;
}

bool ReadDatFile(const QString& fileName, TSongData& song, TAudioFileSearch& audio) {
    const QFileInfo info(fileName);
    // Anything but a plain file (a directory, a pipe) is not read at all.
    if (!info.isFile() || info.size() > kMaxDatFileSize)
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Never more than the limit, even when the file grew since it was looked at.
    const QByteArray bytes = file.read(kMaxDatFileSize + 1);
    if (file.error() != QFileDevice::NoError || !ParseDatBytes(bytes, song))
        return false;
    song.Path = info.absolutePath() + QLatin1Char('/');
    song.SetFileName(QString());
    song.AudioExt.clear();
    audio.FindAudioFile(info.absoluteFilePath(), song);
    song.FreqRest = FreqGroups ? FreqGroups->DefSongGr() : -1;
    return true;
}
