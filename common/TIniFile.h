#pragma once

#include "common/TTextEncoding.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// An INI-syntax file held in memory: read whole when constructed, written back
// whole by UpdateFile. Section and key names compare without regard to case;
// the first of two equal keys in a section counts.
class TIniFile {
public:
    // Reads FileName. A file that does not exist reads as empty (a new file is
    // written as UTF-8 without mark). Throws EPendulorError naming the file
    // and the reason when it exists but cannot be read or decoded. A file
    // without a byte-order mark that is not UTF-8 is read in the ANSI code
    // page of LegacyLocale.
    TIniFile(const QString& FileName, LCID LegacyLocale);

    // The file as text, without reading anything from disk.
    static TIniFile FromText(const QString& FileName, QStringView Text, const TTextEncoding& Encoding);

    // The file about to be replaced as a whole: only its encoding is taken
    // (from the mark, or by the UTF-8 check), so that a damaged file can
    // still be overwritten. Throws when the file exists but cannot be read.
    static TIniFile ForRewrite(const QString& FileName, LCID LegacyLocale);

    const QString& FileName() const { return FileName_; }
    const TTextEncoding& Encoding() const { return Encoding_; }

    bool SectionExists(QStringView Section) const;
    bool ValueExists(QStringView Section, QStringView Key) const;
    QStringList ReadSections() const;
    QStringList ReadSection(QStringView Section) const; // the keys, in order

    QString ReadString(QStringView Section, QStringView Key, const QString& Default) const;
    int ReadInteger(QStringView Section, QStringView Key, int Default) const;
    bool ReadBool(QStringView Section, QStringView Key, bool Default) const;

    // Replaces the value of an existing key in place, else appends the key to
    // its section, creating the section at the end.
    void WriteString(QStringView Section, QStringView Key, const QString& Value);
    void WriteInteger(QStringView Section, QStringView Key, int Value);
    void WriteBool(QStringView Section, QStringView Key, bool Value);

    void DeleteKey(QStringView Section, QStringView Key);
    void EraseSection(QStringView Section);
    void Clear();

    // Every section: "[name]", its key=value lines, one empty line; CR LF.
    QString Text() const;

    // Replaces the file atomically. Throws EPendulorError naming the path and
    // the system's reason; the previous file then stays as it was.
    void UpdateFile() const;

    // The integer syntax: optional blanks, sign, then decimal digits or
    // hexadecimal digits after "$", "x", "X", "0x", "0X"; nothing after.
    // Decimal must fit 32 bits; hexadecimal may use all 32 (as in $FFFFFFFF).
    static std::optional<int> ParseInteger(QStringView Text);

private:
    struct TKey {
        QString Name;
        QString Value;
    };
    struct TSection {
        QString Name;
        std::vector<TKey> Keys;
    };

    TIniFile(const QString& FileName, const TTextEncoding& Encoding);
    void Parse(QStringView Text);
    const TSection* FindSection(QStringView Section) const;
    TSection* FindSection(QStringView Section);
    static const TKey* FindKey(const TSection& Section, QStringView Key);

    QString FileName_;
    TTextEncoding Encoding_;
    std::vector<TSection> Sections_;
};
