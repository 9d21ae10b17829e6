// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Asking whether any application opens mailto: addresses, the worst case of
// a desktop where none does: every desktop file of a well-filled system (400
// of them, none for the scheme) is read, against the baseline of reading the
// same files whole without looking inside.
//
// Goal: the question is asked on a click, so it stays within a 60 Hz frame
// (16.7 ms) and within a few times the bare reading. The ratio lookup /
// reading (processor time, interleaved runs) and the lookup's share of a
// frame are printed as counters of the lookup run.
#include "bench/BenchSupport.h"
#include "platform/ui/linux/DesktopSchemeHandlers.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

constexpr int desktopFiles = 400;
constexpr double frameSeconds = 1.0 / 60.0;

// A system applications folder of ordinary programs, with the usual keys and
// a few translated names each, and mimeapps.list files that say nothing
// about mailto:.
struct Desktop
{
    QTemporaryDir root;
    platform::XdgFolders folders;
    Desktop()
    {
        const QString apps = root.path() + QStringLiteral("/usr/share/applications");
        QDir().mkpath(apps);
        QDir().mkpath(root.path() + QStringLiteral("/config"));
        for (int i = 0; i < desktopFiles; ++i) {
            QFile file(apps + QStringLiteral("/program%1.desktop").arg(i));
            file.open(QIODevice::WriteOnly);
            file.write("[Desktop Entry]\nType=Application\nName=Program\nName[ar]=برنامج\nName[es]=Programa\n"
                       "Comment=Does things\nComment[ar]=يعمل أشياء\nExec=program %U\nIcon=program\n"
                       "Categories=Utility;\nMimeType=text/plain;image/png;x-scheme-handler/program;\n"
                       "[Desktop Action new]\nName=New\nExec=program --new\n");
        }
        QFile list(root.path() + QStringLiteral("/config/mimeapps.list"));
        list.open(QIODevice::WriteOnly);
        list.write(
            "[Default Applications]\ntext/html=program1.desktop\nx-scheme-handler/http=program1.desktop\n");
        folders.configHome = root.path() + QStringLiteral("/config");
        folders.dataDirs = {root.path() + QStringLiteral("/usr/share")};
    }
    qint64 readAll() const
    {
        qint64 bytes = 0;
        QDirIterator files(folders.dataDirs.first() + QStringLiteral("/applications"),
                           {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (file.open(QIODevice::ReadOnly))
                bytes += file.readAll().size();
        }
        return bytes;
    }
};

Desktop &desktop()
{
    static Desktop d;
    return d;
}

void BM_ReadTheDesktopFiles(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(desktop().readAll());
}

void BM_LookUpAMailProgram(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::schemeHandler(QStringLiteral("mailto"), desktop().folders));
    // Interleaved rounds of both, so a busy machine weighs on each alike.
    double lookup = 0;
    double reading = 0;
    for (int round = 0; round < 5; ++round) {
        lookup += bench::secondsPerCall(
            [] { platform::schemeHandler(QStringLiteral("mailto"), desktop().folders); }, 20);
        reading += bench::secondsPerCall([] { desktop().readAll(); }, 20);
    }
    state.counters["ratio_to_reading"] = lookup / reading;
    state.counters["share_of_frame"] = (lookup / 5) / frameSeconds;
}

BENCHMARK(BM_ReadTheDesktopFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookUpAMailProgram)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
