#pragma once

#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QString>

class TShellOpen;

// The user's memo "MyMemo.txt" in the data folder, whose first line is the
// ".LOG" marker: each opening adds a time-stamp line at its end.

// The marker line, added as the first line where it is missing: an empty
// file gets it appended, a file whose first line (trimmed of blanks and
// control characters, compared case-sensitively) is something else gets it
// inserted above. The file is rewritten only when that changes it. Then,
// the marker being there, StampLine is appended on a new line. Encodings and
// byte-order marks are kept; writes are atomic. Throws EPendulorError when
// the file cannot be read, decoded or written; it is then left as it was.
void PrepareMemo(const QString& Path, const QString& StampLine);

// The short time and the short date of Settings at Now ("9:05 AM 1/15/2026").
QString MemoStampLine(TDateTime Now, const TFormatSettings& Settings);

// File > My Memo: prepares DataFolder's memo and opens it in the user's text
// editor. An error ends it before the editor is asked.
void OpenMemo(const TShellOpen& ShellOpen, const QString& DataFolder, TDateTime Now, const TFormatSettings& Settings);
