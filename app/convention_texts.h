// The conventions' names in the window's language. The pipeline names them
// in Chinese for the reading page and the exports, which keep that wording;
// the windows put the names into their language here, at their edge.
#pragma once

#include <QString>

#include "casting/conventions.h"

// A choice's or a value's name as pipeline::NamesOf gives it ("子时",
// "早晚子"), translated.
QString ConventionText(const char* name);

// "口径：子时早晚子，年月柱按交节日，…": every choice with its value, as
// pipeline::ConventionsLine says it, translated.
QString ConventionsText(const casting::Conventions& conventions);
