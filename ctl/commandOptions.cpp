// Options several commands share.
#include "ctl/commandOptions.h"

#include "ctl/ctlCommand.h"
#include "store/MouseConfig.h"

bool takeProfileOption(QStringList& arguments, int& profile, QString& error)
{
    const int at = arguments.indexOf(QStringLiteral("--profile"));
    if (at < 0)
        return true;
    bool ok = false;
    const int number = at + 1 < arguments.size() ? arguments[at + 1].toInt(&ok) : 0;
    if (!ok || number < 1 || number > PROFILE_COUNT) {
        error = ctlText("--profile takes 1 to %1").arg(PROFILE_COUNT);
        return false;
    }
    arguments.erase(arguments.begin() + at, arguments.begin() + at + 2);
    profile = number - 1;
    return true;
}

bool takeFlag(QStringList& arguments, const char* flag)
{
    return arguments.removeAll(QLatin1String(flag)) > 0;
}
