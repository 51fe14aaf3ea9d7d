// What one keystroke in the instruction box costs when a Launch List group is as large as it can
// be (32767 names): a search that finds nothing, a match in the middle and one near the start,
// and the first keystroke after the group changed, which rebuilds the lower-cased index.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "interpreter/Autocompletion.h"
#include "startup/Context.h"

namespace orbilo {
namespace {

// Varied names, as a real list holds: different first letters, mixed capitals, some accents.
std::string VariedName(int number) {
    static const char* const kStems[] = {"Editor", "report", "Über",   "Backup", "Zip",  "Café",
                                         "mail",   "Notes",  "Player", "Game",   "Tool", "Viewer",
                                         "Chart",  "Sync",   "Éclair", "Term"};
    char digits[8];
    std::snprintf(digits, sizeof digits, "%05d", number);
    return std::string(kStems[number % 16]) + " " + digits;
}

// Names that all share their first fifteen bytes: the case where a walk through the names would have
// to compare every one of them in full, and where the sorted index has the most ties.
std::string SharedPrefixName(int number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%05d", number);
    return std::string("Program Number ") + digits;
}

template <typename MakeName>
Context FullProgramGroup(MakeName makeName) {
    Context ctx;
    for (int i = 0; i < kMaxGroupItems; ++i) ctx.launchList[Group::Program].Append(makeName(i), "/opt/tool");
    return ctx;
}

void RunKeystrokes(benchmark::State& state, Context& ctx, const std::string& text, bool expectMatch) {
    Autocompletion completion(ctx);
    if (completion.OnChange(text).has_value() != expectMatch) {
        state.SkipWithError("the benchmark's text does not behave as intended");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(completion.OnChange(text));
    }
}

void BM_NoMatchVariedNames(benchmark::State& state) {
    Context ctx = FullProgramGroup(VariedName);
    RunKeystrokes(state, ctx, "p-qu", false);
}
BENCHMARK(BM_NoMatchVariedNames)->Unit(benchmark::kMicrosecond);

void BM_NoMatchSharedPrefix(benchmark::State& state) {
    Context ctx = FullProgramGroup(SharedPrefixName);
    RunKeystrokes(state, ctx, "p-program number x", false);
}
BENCHMARK(BM_NoMatchSharedPrefix)->Unit(benchmark::kMicrosecond);

void BM_MatchMiddle(benchmark::State& state) {
    Context ctx = FullProgramGroup(VariedName);
    RunKeystrokes(state, ctx, "p-" + VariedName(16383).substr(0, 8), true);
}
BENCHMARK(BM_MatchMiddle)->Unit(benchmark::kMicrosecond);

void BM_MatchMiddleSharedPrefix(benchmark::State& state) {
    Context ctx = FullProgramGroup(SharedPrefixName);
    RunKeystrokes(state, ctx, "p-program number 1638", true);
}
BENCHMARK(BM_MatchMiddleSharedPrefix)->Unit(benchmark::kMicrosecond);

void BM_MatchNearStart(benchmark::State& state) {
    Context ctx = FullProgramGroup(VariedName);
    RunKeystrokes(state, ctx, "p-ga", true);
}
BENCHMARK(BM_MatchNearStart)->Unit(benchmark::kMicrosecond);

// The keystroke after an item was added, renamed or removed.
void BM_FirstKeystrokeAfterAChange(benchmark::State& state) {
    Context ctx = FullProgramGroup(VariedName);
    LaunchGroup& programs = ctx.launchList[Group::Program];
    Autocompletion completion(ctx);
    int renamed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        programs.Rename(renamed, VariedName(renamed));
        renamed = (renamed + 1) % kMaxGroupItems;
        state.ResumeTiming();
        benchmark::DoNotOptimize(completion.OnChange("p-qu"));
    }
}
BENCHMARK(BM_FirstKeystrokeAfterAChange)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbilo
