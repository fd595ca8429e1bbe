// The benches use the virtual mouse and the skin of the build tree they come from, as the tests do
// through CTest; without this a bench started by hand would measure an empty settings folder.
#pragma once

#include <QtGlobal>

inline void useBuildTree()
{
    if (qEnvironmentVariableIsEmpty("MOUSECFG_SOURCE_DIR"))
        qputenv("MOUSECFG_SOURCE_DIR", MOUSECFG_BENCH_SOURCE_DIR);
    if (qEnvironmentVariableIsEmpty("MOUSECFG_BIN_DIR"))
        qputenv("MOUSECFG_BIN_DIR", MOUSECFG_BENCH_BIN_DIR);
}
