#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// The translations of a gettext message catalog (.mo), read whole: message
// id to translated text. A missing or malformed file gives an empty table,
// so callers fall back to the untranslated text.
QHash<QByteArray, QString> ReadGettextCatalog(const QString& Path);

// The .mo files of Domain that may hold Language (a BCP 47 name such as
// "pt-BR"), most specific first: "pt_BR", then "pt". Only files that exist,
// looked up in the system's data folders (share/locale/LANG/LC_MESSAGES).
QStringList GettextCatalogPaths(const QString& Domain, const QString& Language);
