// The calendar's fonts are named by the faces of the system the program was
// designed on ("宋体", "Arial Black", "Arial", "Times New Roman"). This maps
// each to fonts installed here, Noto CJK for the Chinese characters, so that
// Chinese text always renders and measures the same way.
#pragma once

#include <QString>
#include <QStringList>

// Installs the face substitutions into Qt's font matching. Does nothing
// before a QGuiApplication exists; once installed, calling it again changes
// nothing.
void InstallFontSubstitutions();

// Makes the Chinese sans face (Noto Sans CJK SC) the application's font, at
// the size and style it has, when it is installed. The program's texts are
// Chinese: under a Latin default face every text loads the Latin face and
// then the Chinese one its characters fall back to, twice more for bold. A
// Chinese locale's default already is this face, so there nothing changes.
void UseChineseFaceAsDefault();

// The installed families a face stands for, best first; empty for a face
// without a substitution (it is then matched by Qt as it is).
QStringList SubstitutesOfFace(const QString& face);
