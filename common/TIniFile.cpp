#include "common/TIniFile.h"

#include "common/AtomicFile.h"
#include "common/EPendulorError.h"
#include "common/HexDigit.h"
#include "common/Trimmed.h"

#include <QDir>

#include <limits>
#include <utility>

namespace {

// Far above any settings or clock file; keeps a wrong file from exhausting memory.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;


bool SameName(QStringView A, QStringView B) { return A.compare(B, Qt::CaseInsensitive) == 0; }

// The line that starts at Pos, without its end; Pos moves past the end, which
// is CR LF, a lone LF or a lone CR.
QStringView NextLine(QStringView Text, qsizetype& Pos)
{
    const qsizetype Begin = Pos;
    qsizetype End = Begin;
    while (End < Text.size() && Text[End] != u'\r' && Text[End] != u'\n')
        ++End;
    Pos = End;
    if (Pos < Text.size()) {
        const bool Cr = Text[Pos] == u'\r';
        ++Pos;
        if (Cr && Pos < Text.size() && Text[Pos] == u'\n')
            ++Pos;
    }
    return Text.sliced(Begin, End - Begin);
}

} // namespace

TIniFile::TIniFile(const QString& FileName, const TTextEncoding& Encoding)
    : FileName_(FileName), Encoding_(Encoding)
{
}

TIniFile::TIniFile(const QString& FileName, LCID LegacyLocale) : FileName_(FileName)
{
    const TFileContent Content = ReadWholeFile(FileName, MaxFileSize);
    if (!Content.Exists)
        return;
    Encoding_ = TTextEncoding::Detect(Content.Bytes, LegacyLocale);
    try {
        Parse(Encoding_.Decode(Content.Bytes));
    } catch (const EPendulorError& E) {
        throw EPendulorError(QStringLiteral("Cannot read file \"%1\". %2")
                                 .arg(QDir::toNativeSeparators(FileName), E.Message()));
    }
}

TIniFile TIniFile::FromText(const QString& FileName, QStringView Text, const TTextEncoding& Encoding)
{
    TIniFile Ini(FileName, Encoding);
    Ini.Parse(Text);
    return Ini;
}

TIniFile TIniFile::ForRewrite(const QString& FileName, LCID LegacyLocale)
{
    const TFileContent Content = ReadWholeFile(FileName, MaxFileSize);
    return TIniFile(FileName, Content.Exists ? TTextEncoding::Detect(Content.Bytes, LegacyLocale) : TTextEncoding{});
}

void TIniFile::Parse(QStringView Text)
{
    TSection* Current = nullptr; // null before the first section and under a repeated header
    qsizetype Pos = 0;
    while (Pos < Text.size()) {
        const QStringView Line = Trimmed(NextLine(Text, Pos));
        if (Line.isEmpty() || Line.startsWith(u';'))
            continue;
        if (Line.startsWith(u'[') && Line.endsWith(u']') && Line.size() >= 2) {
            const QStringView Name = Trimmed(Line.sliced(1, Line.size() - 2));
            if (FindSection(Name)) {
                Current = nullptr;
            } else {
                Sections_.push_back({Name.toString(), {}});
                Current = &Sections_.back();
            }
            continue;
        }
        if (!Current)
            continue;
        const qsizetype Eq = Line.indexOf(u'=');
        const QStringView Key = Eq < 0 ? Line : Trimmed(Line.first(Eq));
        const QStringView Value = Eq < 0 ? QStringView() : Trimmed(Line.sliced(Eq + 1));
        if (!FindKey(*Current, Key))
            Current->Keys.push_back({Key.toString(), Value.toString()});
    }
}

const TIniFile::TSection* TIniFile::FindSection(QStringView Section) const
{
    for (const TSection& S : Sections_)
        if (SameName(S.Name, Section))
            return &S;
    return nullptr;
}

TIniFile::TSection* TIniFile::FindSection(QStringView Section)
{
    return const_cast<TSection*>(std::as_const(*this).FindSection(Section));
}

const TIniFile::TKey* TIniFile::FindKey(const TSection& Section, QStringView Key)
{
    for (const TKey& K : Section.Keys)
        if (SameName(K.Name, Key))
            return &K;
    return nullptr;
}

bool TIniFile::SectionExists(QStringView Section) const { return FindSection(Section) != nullptr; }

bool TIniFile::ValueExists(QStringView Section, QStringView Key) const
{
    const TSection* S = FindSection(Section);
    return S && FindKey(*S, Key);
}

QStringList TIniFile::ReadSections() const
{
    QStringList Names;
    for (const TSection& S : Sections_)
        Names.append(S.Name);
    return Names;
}

QStringList TIniFile::ReadSection(QStringView Section) const
{
    QStringList Keys;
    if (const TSection* S = FindSection(Section))
        for (const TKey& K : S->Keys)
            Keys.append(K.Name);
    return Keys;
}

QString TIniFile::ReadString(QStringView Section, QStringView Key, const QString& Default) const
{
    const TSection* S = FindSection(Section);
    const TKey* K = S ? FindKey(*S, Key) : nullptr;
    return K ? K->Value : Default;
}

int TIniFile::ReadInteger(QStringView Section, QStringView Key, int Default) const
{
    const TSection* S = FindSection(Section);
    const TKey* K = S ? FindKey(*S, Key) : nullptr;
    if (!K)
        return Default;
    return ParseInteger(K->Value).value_or(Default);
}

bool TIniFile::ReadBool(QStringView Section, QStringView Key, bool Default) const
{
    return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(QStringView Section, QStringView Key, const QString& Value)
{
    TSection* S = FindSection(Section);
    if (!S) {
        Sections_.push_back({Section.toString(), {}});
        S = &Sections_.back();
    }
    for (TKey& K : S->Keys) {
        if (SameName(K.Name, Key)) {
            K.Value = Value;
            return;
        }
    }
    S->Keys.push_back({Key.toString(), Value});
}

void TIniFile::WriteInteger(QStringView Section, QStringView Key, int Value)
{
    WriteString(Section, Key, QString::number(Value));
}

void TIniFile::WriteBool(QStringView Section, QStringView Key, bool Value)
{
    WriteString(Section, Key, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::DeleteKey(QStringView Section, QStringView Key)
{
    TSection* S = FindSection(Section);
    if (!S)
        return;
    std::erase_if(S->Keys, [Key](const TKey& K) { return SameName(K.Name, Key); });
}

void TIniFile::EraseSection(QStringView Section)
{
    std::erase_if(Sections_, [Section](const TSection& S) { return SameName(S.Name, Section); });
}

void TIniFile::Clear() { Sections_.clear(); }

QString TIniFile::Text() const
{
    // A line break inside a name or value would start a line of its own and
    // could forge keys or sections: it is written as a blank.
    const auto OneLine = [](QString S) {
        S.replace(u'\r', u' ');
        S.replace(u'\n', u' ');
        return S;
    };
    QString Out;
    for (const TSection& S : Sections_) {
        Out += u'[';
        Out += OneLine(S.Name);
        Out += QStringView(u"]\r\n");
        for (const TKey& K : S.Keys) {
            Out += OneLine(K.Name);
            Out += u'=';
            Out += OneLine(K.Value);
            Out += QStringView(u"\r\n");
        }
        Out += QStringView(u"\r\n");
    }
    return Out;
}

void TIniFile::UpdateFile() const
{
    WriteFileAtomically(FileName_, Encoding_.Encode(Text()));
}

std::optional<int> TIniFile::ParseInteger(QStringView Text)
{
    qsizetype I = 0;
    while (I < Text.size() && Text[I] == u' ')
        ++I;
    bool Negative = false;
    if (I < Text.size() && (Text[I] == u'+' || Text[I] == u'-')) {
        Negative = Text[I] == u'-';
        ++I;
    }
    int Base = 10;
    if (I < Text.size() && (Text[I] == u'$' || Text[I] == u'x' || Text[I] == u'X')) {
        Base = 16;
        ++I;
    } else if (I + 1 < Text.size() && Text[I] == u'0' && (Text[I + 1] == u'x' || Text[I + 1] == u'X')) {
        Base = 16;
        I += 2;
    }
    if (I == Text.size())
        return std::nullopt;
    // Decimal is bounded by the signed range; hexadecimal by 32 bits.
    const quint64 Limit = Base == 16 ? 0xFFFFFFFFull
                        : Negative   ? quint64(std::numeric_limits<int>::max()) + 1
                                     : quint64(std::numeric_limits<int>::max());
    quint64 Value = 0;
    for (; I < Text.size(); ++I) {
        const int D = HexDigit(Text[I]);
        if (D < 0 || D >= Base)
            return std::nullopt;
        Value = Value * Base + D;
        if (Value > Limit)
            return std::nullopt;
    }
    const auto Bits = static_cast<quint32>(Value);
    return static_cast<int>(Negative ? 0u - Bits : Bits);
}
