// Timings of the store's whole-file operations on a full five-profile configuration; prints medians.
#include "support/storeSamples.h"

#include "store/appContext.h"
#include "store/profileFiles.h"
#include "store/settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int RUNS = 15;

// Median milliseconds of RUNS timed calls of op; prepare runs untimed before each call.
double medianMs(const std::function<void()>& prepare, const std::function<void()>& op)
{
    std::vector<double> times;
    for (int i = 0; i < RUNS; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        op();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Rewrites every file of the configuration so the next read parses it from disk, not from cache.
void writeAllFiles(const MouseConfig& config)
{
    saveProfileNames(config);
    for (int i = 0; i < PROFILE_COUNT; ++i)
        saveProfileFile(config.profiles[i], config.profileNames[i]);
}

void report(const char* what, double ms)
{
    std::printf("%-44s %8.2f ms (median of %d)\n", what, ms, RUNS);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    setAppDir(dir.path());
    MouseConfig config = storeSampleConfig();
    writeAllFiles(config);
    const auto nothing = [] {};
    int flip = 0;
    const auto changeFiles = [&] {
        config.profiles[0].dpi = quint8(++flip);
        writeAllFiles(config);
    };

    MouseConfig loaded;
    report("loadAll, files changed since last read", medianMs(changeFiles, [&] { loadAll(loaded); }));
    report("loadAll, files unchanged", medianMs(nothing, [&] { loadAll(loaded); }));
    report("saveAll", medianMs(nothing, [&] {
        config.profiles[0].dpi = quint8(++flip);
        saveAll(config);
    }));
    const QString path = workingProfilePath(config.profileNames[0]);
    report("writeProfile (8453 keys)", medianMs(nothing, [&] { writeProfile(config.profiles[0], path); }));
    ProfileData profile;
    report("readProfile, file changed since last read",
        medianMs(
            [&] { writeProfile(config.profiles[flip++ % PROFILE_COUNT], path); }, [&] { readProfile(profile, path); }));
    report("readProfile, file unchanged", medianMs(nothing, [&] { readProfile(profile, path); }));
    report("exportConfig (5 profiles)", medianMs(nothing, [&] { exportConfig(config, dir.filePath("b.conf")); }));
    report("importConfig (5 profiles)", medianMs(nothing, [&] { importConfig(loaded, dir.filePath("b.conf")); }));
    return 0;
}
