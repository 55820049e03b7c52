#include "datetime/TZoneCatalog.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>

#include <algorithm>
#include <memory>

namespace {

QString FromIcu(const icu::UnicodeString& Text)
{
    return QString(reinterpret_cast<const QChar*>(Text.getBuffer()), Text.length());
}

icu::UnicodeString ToIcu(const QString& Text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(Text.utf16()), int32_t(Text.size()));
}

// The zones a user can pick: every location zone of the database, and UTC.
// Qt's own "UTC+09:00" forms are fixed offsets, which the clock has already.
QList<QByteArray> LocationZones()
{
    QList<QByteArray> Ids;
    for (const QByteArray& Id : QTimeZone::availableTimeZoneIds()) {
        if (Id.contains('/') && !Id.startsWith("Etc/"))
            Ids.append(Id);
    }
    Ids.append("UTC");
    return Ids;
}

// Names of one zone in one language, as ICU knows them.
struct TNames {
    QString City;
    QString Region;
    QStringList Names;
};

class TNameSource {
public:
    explicit TNameSource(const icu::Locale& Locale)
        : Locale_(Locale)
    {
        UErrorCode Status = U_ZERO_ERROR;
        Names_.reset(icu::TimeZoneNames::createInstance(Locale, Status));
        if (U_FAILURE(Status))
            Names_.reset();
    }

    TNames Of(const icu::UnicodeString& CanonicalId, const QString& Territory, UDate Winter, UDate Summer) const
    {
        TNames N;
        if (!Territory.isEmpty()) {
            icu::UnicodeString Country;
            icu::Locale(nullptr, Territory.toLatin1().constData()).getDisplayCountry(Locale_, Country);
            N.Region = FromIcu(Country);
        }
        if (!Names_)
            return N;
        icu::UnicodeString Text;
        N.City = FromIcu(Names_->getExemplarLocationName(CanonicalId, Text));
        for (const UTimeZoneNameType Type : {UTZNM_LONG_GENERIC, UTZNM_LONG_STANDARD, UTZNM_LONG_DAYLIGHT,
                                              UTZNM_SHORT_GENERIC, UTZNM_SHORT_STANDARD, UTZNM_SHORT_DAYLIGHT}) {
            for (const UDate At : {Winter, Summer}) {
                const QString Name = FromIcu(Names_->getDisplayName(CanonicalId, Type, At, Text));
                if (!Name.isEmpty() && !N.Names.contains(Name))
                    N.Names.append(Name);
            }
        }
        return N;
    }

private:
    icu::Locale Locale_;
    std::unique_ptr<icu::TimeZoneNames> Names_;
};

int Rank(QStringView Key, QStringView Query)
{
    qsizetype At = Key.indexOf(Query);
    if (At < 0)
        return -1;
    if (At == 0)
        return Key.size() == Query.size() ? 0 : 1;
    for (; At > 0; At = Key.indexOf(Query, At + 1)) {
        const QChar Before = Key[At - 1];
        if (!Before.isLetterOrNumber())
            return 2;
    }
    return 3;
}

} // namespace

QString TZoneCatalog::Folded(QStringView Text)
{
    const QString Decomposed = Text.toString().normalized(QString::NormalizationForm_D);
    QString Result;
    Result.reserve(Decomposed.size());
    QChar Base;
    for (const QChar C : Decomposed) {
        // Accents of the alphabets (é, ü, ø) go; the voicing marks of kana
        // and other scripts' marks tell words apart and stay.
        if (C.category() == QChar::Mark_NonSpacing && Base.unicode() < 0x0530)
            continue;
        Base = C;
        Result.append(C == u'_' ? QChar(u' ') : C);
    }
    return Result.toCaseFolded();
}

TZoneCatalog::TZoneCatalog(const QString& UserLocale)
{
    const TNameSource English(icu::Locale::getEnglish());
    UErrorCode TagStatus = U_ZERO_ERROR;
    const icu::Locale UserIcu = icu::Locale::forLanguageTag(UserLocale.toStdString(), TagStatus);
    const bool OwnLanguage = !UserLocale.isEmpty() && QLocale(UserLocale).language() != QLocale::English;
    const TNameSource User(UserIcu);

    // Names and abbreviations of both seasons of this year.
    const int Year = QDate::currentDate().year();
    const QDateTime Winter(QDate(Year, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime Summer(QDate(Year, 7, 15), QTime(12, 0), Qt::UTC);
    const UDate WinterMs = UDate(Winter.toMSecsSinceEpoch());
    const UDate SummerMs = UDate(Summer.toMSecsSinceEpoch());

    for (const QByteArray& RawId : LocationZones()) {
        TZone Zone;
        Zone.Id = QString::fromLatin1(RawId);
        Zone.Offset = TZoneOffset(Zone.Id);
        if (!Zone.Offset.IsKnown())
            continue;
        const QTimeZone Rules(RawId);
        const QString Territory = Rules.territory() == QLocale::AnyTerritory
                                      ? QString()
                                      : QLocale::territoryToCode(Rules.territory());
        // ICU names zones by their CLDR ids (Asia/Calcutta for Asia/Kolkata).
        icu::UnicodeString Canonical;
        UBool System = false;
        UErrorCode Status = U_ZERO_ERROR;
        icu::TimeZone::getCanonicalID(ToIcu(Zone.Id), Canonical, System, Status);
        if (U_FAILURE(Status) || Canonical.isEmpty())
            Canonical = ToIcu(Zone.Id);

        const TNames En = English.Of(Canonical, Territory, WinterMs, SummerMs);
        QStringList Texts{Zone.Id, En.City, En.Region};
        Texts += En.Names;
        Zone.City = En.City;
        Zone.Region = En.Region;
        if (OwnLanguage) {
            const TNames Own = User.Of(Canonical, Territory, WinterMs, SummerMs);
            Texts << Own.City << Own.Region;
            Texts += Own.Names;
            if (!Own.City.isEmpty())
                Zone.City = Own.City;
            if (!Own.Region.isEmpty())
                Zone.Region = Own.Region;
        }
        if (Zone.City.isEmpty()) // a zone ICU does not know yet
            Zone.City = Zone.Id.section(u'/', -1).replace(u'_', u' ');
        for (const QDateTime& At : {Winter, Summer}) {
            const QString Abbreviation = Rules.abbreviation(At);
            if (!Abbreviation.isEmpty() && Abbreviation[0].isLetter())
                Texts.append(Abbreviation);
        }
        for (const QString& Text : std::as_const(Texts)) {
            if (Text.isEmpty())
                continue;
            const QString Key = Folded(Text);
            if (!Zone.Keys.contains(Key))
                Zone.Keys.append(Key);
        }
        Zones_.push_back(std::move(Zone));
    }
}

int TZoneCatalog::Find(QStringView Id) const
{
    for (std::size_t i = 0; i < Zones_.size(); ++i) {
        if (Zones_[i].Id == Id)
            return int(i);
    }
    return -1;
}

QList<int> TZoneCatalog::Search(QStringView Query, qint64 UtcMs)
{
    const QString Wanted = Folded(Query.trimmed());
    struct THit {
        int Rank;
        int Offset;
        int Index;
    };
    std::vector<THit> Hits;
    Hits.reserve(Zones_.size());
    for (std::size_t i = 0; i < Zones_.size(); ++i) {
        TZone& Zone = Zones_[i];
        int Best = Wanted.isEmpty() ? 0 : -1;
        for (const QString& Key : std::as_const(Zone.Keys)) {
            if (Best == 0)
                break;
            const int R = Rank(Key, Wanted);
            if (R >= 0 && (Best < 0 || R < Best))
                Best = R;
        }
        if (Best >= 0)
            Hits.push_back({Best, Zone.Offset.SecondsAt(UtcMs), int(i)});
    }
    std::sort(Hits.begin(), Hits.end(), [this](const THit& A, const THit& B) {
        if (A.Rank != B.Rank)
            return A.Rank < B.Rank;
        if (A.Offset != B.Offset)
            return A.Offset < B.Offset;
        return Zones_[std::size_t(A.Index)].City < Zones_[std::size_t(B.Index)].City;
    });
    QList<int> Result;
    Result.reserve(qsizetype(Hits.size()));
    for (const THit& Hit : Hits)
        Result.append(Hit.Index);
    return Result;
}

QString TZoneCatalog::RowText(int Index, qint64 UtcMs)
{
    TZone& Zone = Zones_[std::size_t(Index)];
    const int Seconds = Zone.Offset.SecondsAt(UtcMs);
    const int Minutes = std::abs(Seconds) / 60;
    QString Place = Zone.City;
    if (!Zone.Region.isEmpty() && Zone.Region != Zone.City)
        Place += QStringLiteral(", ") + Zone.Region;
    return QStringLiteral("(UTC%1%2:%3) %4 \u2014 %5")
        .arg(QChar(Seconds < 0 ? u'-' : u'+'))
        .arg(Minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(Minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(Place, Zone.Id);
}
