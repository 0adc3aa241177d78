#include "core/settings/para_ini.h"
#include "core/settings/settings_store.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace qv;

// What the program's start reads from a para.ini of the given number of extra lines: every key
// of section "PARA" and the twenty colours. The file is last changed an hour ago, as at a start.
static void BM_ParaIniStartRead(benchmark::State& state) {
    char folder[] = "/tmp/quorvane-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const ParaIni para(folder);
    std::string text = "[PARA]\r\nFo=554M\r\n[notes]\r\n";
    for (long i = 0; i < state.range(0); ++i)
        text += "note" + std::to_string(i) + "=kept as it is\r\n";
    std::ofstream(para.path(), std::ios::binary) << text;
    for (const ParaKeyDefault& entry : ParaKeys)
        para.ReadParaString(entry.key);
    para.ReadChartColours();

    long start = 0;
    for (auto _ : state) {
        // Another modification time, long past: the next read parses the file again, as a fresh
        // program would.
        const timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 3600 - ++start, 0}};
        ::utimensat(AT_FDCWD, para.path().c_str(), times, 0);
        for (const ParaKeyDefault& entry : ParaKeys)
            benchmark::DoNotOptimize(para.ReadParaString(entry.key));
        benchmark::DoNotOptimize(para.ReadChartColours());
    }
    ::unlink(para.path().c_str());
    ::rmdir(folder);
}
BENCHMARK(BM_ParaIniStartRead)->Arg(100000)->Arg(600000)->Unit(benchmark::kMillisecond);
