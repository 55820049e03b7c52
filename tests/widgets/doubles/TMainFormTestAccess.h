#pragma once

#include "app/TMainForm.h"

// The one way tests (and the benchmarks) reach inside the frame: its
// fields, and what a test cannot send it through the window system. Its
// commands are reached by triggering their actions.
class TMainFormTestAccess {
public:
    static const QString& IniFileName(const TMainForm& Frame) { return Frame.IniFileName; }
    static const QString& DataFolder(const TMainForm& Frame) { return Frame.DataFolder; }
    static const QString& StyleName(const TMainForm& Frame) { return Frame.StyleName; }
    static bool SaveDataFiles(const TMainForm& Frame) { return Frame.SaveDataFiles; }
    static void SetSaveDataFiles(TMainForm& Frame, bool Save) { Frame.SaveDataFiles = Save; }
};
