// mousecfgctl set: edits the saved configuration as the window's pages do, then applies what changed.
#include "ctl/commandOptions.h"
#include "ctl/ctlCommand.h"
#include "ctl/mouseLink.h"
#include "ctl/settingTable.h"

#include "store/MouseConfig.h"
#include "store/settings.h"

namespace {

struct SetRequest {
    int profile = -1;
    bool apply = true;
    QStringList words;
};

// The value words of the setting at words[at]: its fixed count, and for light the option pairs.
QStringList valueWords(const Setting& setting, const QStringList& words, int at)
{
    QStringList values = words.mid(at + 1, setting.words);
    if (QLatin1String(setting.name) != QLatin1String("light"))
        return values;
    for (int i = at + 1 + setting.words; i + 1 < words.size() && lightOptions().contains(words[i]); i += 2)
        values << words[i] << words[i + 1];
    return values;
}

// Every edit on a copy; the first refused one ends the command with nothing changed.
int editAll(const QStringList& words, SettingEdit& edit, QStringList& done)
{
    QTextStream& err = ctlErr();
    for (int at = 0; at < words.size();) {
        const Setting* setting = findSetting(words[at]);
        if (!setting) {
            err << ctlText("Unknown setting: %1. Try mousecfgctl help set.").arg(words[at]) << "\n";
            return CTL_USAGE;
        }
        if (!setting->offered()) {
            err << ctlText("This model has no %1 setting.").arg(words[at]) << "\n";
            return CTL_USAGE;
        }
        const QStringList values = valueWords(*setting, words, at);
        if (values.size() < setting->words) {
            err << ctlText("%1 takes %2").arg(words[at], QLatin1String(setting->values)) << "\n";
            return CTL_USAGE;
        }
        QString result;
        const QString error = setting->apply(values, edit, result);
        if (!error.isEmpty()) {
            err << words[at] << ": " << error << "\n" << ctlText("Nothing was changed.") << "\n";
            return CTL_USAGE;
        }
        done << result;
        at += 1 + values.size();
    }
    return CTL_OK;
}

// Saved without a send: the mouse may now differ from the files, so the next apply sends everything.
int saveUnsent()
{
    if (saveAll(currentConfig) != 0) {
        ctlErr() << ctlText("The configuration could not be saved.") << "\n";
        return CTL_FILE_NOT_WRITTEN;
    }
    if (computeChangeMask(currentConfig, sentConfig) != 0 && setDiffFlag(1) != 0)
        return CTL_FILE_NOT_WRITTEN;
    return CTL_OK;
}

int applyEdited(bool apply)
{
    if (!apply) {
        const int saved = saveUnsent();
        if (saved == CTL_OK)
            ctlOut() << ctlText("Saved; not sent (the next apply sends everything).") << "\n";
        return saved;
    }
    const int opened = openMouse();
    if (opened != CTL_OK) {
        const int saved = saveUnsent();
        if (saved != CTL_OK)
            return saved;
        ctlErr() << ctlText("Saved; it is sent with the next apply.") << "\n";
        return opened;
    }
    const int result = applySaved(false);
    closeMouse();
    return result;
}

} // namespace

int runSet(const QStringList& arguments)
{
    QStringList words = arguments;
    SetRequest request;
    QString error;
    request.apply = !takeFlag(words, "--no-apply");
    if (!takeProfileOption(words, request.profile, error) || words.isEmpty()) {
        ctlErr() << (error.isEmpty() ? ctlText("set takes SETTING VALUE... Try mousecfgctl help set.") : error) << "\n";
        return CTL_USAGE;
    }
    loadSavedConfiguration();
    MouseConfig edited = currentConfig;
    SettingEdit edit { edited, request.profile < 0 ? edited.activeSlot() : request.profile };
    QStringList done;
    const int checked = editAll(words, edit, done);
    if (checked != CTL_OK)
        return checked;
    for (const QString& line : qAsConst(done))
        ctlOut() << line << "\n";
    currentConfig = edited;
    // As before every send of the window: the active profile carries the mouse's lighting.
    alignActiveProfile(currentConfig);
    return applyEdited(request.apply);
}
