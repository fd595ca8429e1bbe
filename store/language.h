// Interface language: the selected index, the offered language list and the language font.
#pragma once

#include <QFont>
#include <QString>

constexpr int MAX_LANGUAGES = 10;

struct LanguageList {
    int count = 0;
    QString names[MAX_LANGUAGES];
    QString files[MAX_LANGUAGES];
};

// Config/LangID of Configs/LangConfig.ini. An index that is negative, above 9 or not in the
// offered list reads as 0, so it can always index the list.
int languageId();
// 0, or -1 when the file could not be written.
int setLanguageId(int id);

// FONT_LIST of Configs/Config.ini: LANGNUM (clamped to 0..10) and the ten names and file stems.
void readLanguageList(LanguageList& list);
LanguageList readLanguageList();

// appDir() + "/lang/" + stem + ".qm" of language `index`; empty when the index has no usable stem
// or something other than a file stands there.
QString translationFile(const LanguageList& list, int index);

// Font of the current language (languageIndex()): family FONT_LIST/FONT_%d, pixel size
// int(FONT_LIST/FONT_SIZE_%d * scale). A missing family keeps Qt's default family; a missing size,
// or one outside 1..100 pixels, keeps the default size instead of giving a zero-sized or huge font.
QFont languageFont(double scale);
// Same, for an explicit language index and an optional pixel size that replaces the settings one.
QFont languageFontFor(int index, double scale, int pixelSizeOverride = 0, int decrement = 0);
