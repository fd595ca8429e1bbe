// Words for the bash completion, read from the installation when the user presses Tab.
#include "ctl/completion.h"

#include "ctl/buttonWords.h"
#include "ctl/ctlCommand.h"
#include "ctl/settingNames.h"
#include "ctl/settingTable.h"

#include "store/macroFiles.h"

namespace {

QStringList offeredSettings()
{
    QStringList words;
    for (const Setting& setting : settings()) {
        if (setting.offered())
            words << QString::fromLatin1(setting.name);
    }
    return words;
}

QStringList buttonNames()
{
    QStringList words;
    for (const ButtonTarget& target : buttonTargets())
        words << target.name;
    return words;
}

QStringList plainWords(int slot)
{
    QStringList words;
    for (const QString& word : functionWordsFor(slot))
        words << (word.contains(':') ? word.left(word.indexOf(':') + 1) : word);
    return words;
}

QStringList keyWords()
{
    QStringList words;
    for (int code = 1; code < 256; ++code) {
        if (keyOfWord(keyWord(code)) == code)
            words << keyWord(code);
    }
    return words;
}

} // namespace

int runComplete(const QStringList& arguments)
{
    const QString what = arguments.value(0);
    QStringList words;
    if (what == QLatin1String("settings"))
        words = offeredSettings();
    else if (what == QLatin1String("buttons"))
        words = buttonNames();
    else if (what == QLatin1String("functions"))
        words = plainWords(buttonTargets().first().slot);
    else if (what == QLatin1String("wheel-functions"))
        words = plainWords(buttonTargets().last().slot);
    else if (what == QLatin1String("effects"))
        words = effectWords();
    else if (what == QLatin1String("keys"))
        words = keyWords();
    else if (what == QLatin1String("macros"))
        words = macroListNames();
    else
        return CTL_USAGE;
    for (const QString& word : qAsConst(words))
        ctlOut() << word << "\n";
    ctlOut().flush();
    return CTL_OK;
}
