// How long the exit save and the start-up load of the Launch List take on the real Linux file
// system: a typical list (100 items a group) and the largest one (32767 items a group).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "launchlist/LaunchListStore.h"
#include "platform/linux/LinuxFileSystem.h"
#include "startup/Context.h"

namespace orbilo {
namespace {

namespace fs = std::filesystem;

constexpr int kTypicalItems = 100;

std::string Numbered(const char* prefix, int number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%05d", number);
    return prefix + std::string(digits);
}

// One temporary folder for the whole run, removed at exit: the data folder, and the files and
// folders that the items point at, so that every existence test finds its target.
class BenchFolder {
  public:
    static BenchFolder& Get() {
        static BenchFolder folder;
        return folder;
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    std::string DataFile(const char* name) const { return (m_root / "Orbilo" / name).string() + ".Korrin"; }
    std::string TargetFile(int number) const {
        return (m_root / "targets" / Numbered("tool", number)).string();
    }
    std::string TargetFolder(int number) const {
        return (m_root / "targets" / Numbered("folder", number)).string();
    }

    // Creates the targets of the first `count` items of each group once.
    void EnsureTargets(int count) {
        for (; m_targets < count; ++m_targets) {
            std::ofstream(TargetFile(m_targets)) << "#!/bin/sh\n";
            fs::create_directory(TargetFolder(m_targets));
        }
    }

  private:
    BenchFolder() {
        const char* chosen = std::getenv("ORBILO_BENCH_DIR");
        const fs::path base = chosen != nullptr ? fs::path(chosen) : fs::temp_directory_path();
        std::string pattern = (base / "orbilo-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
        m_root = pattern;
        fs::create_directory(m_root / "Orbilo");
        fs::create_directory(m_root / "targets");
    }

    fs::path m_root;
    int m_targets = 0;
};

Context FixedDiskContext(const BenchFolder& folder) {
    Context ctx;
    ctx.location.RemovableMode = false;
    ctx.location.MediaDriveLetter.assign(1, '/');
    ctx.settingsFile.readWhole = true;
    ctx.files.listProg = folder.DataFile("ListProg");
    ctx.files.listFile = folder.DataFile("ListFile");
    ctx.files.listFold = folder.DataFile("ListFold");
    ctx.files.listWeb = folder.DataFile("ListWeb");
    return ctx;
}

// Names and paths of the length users give them.
void FillList(LaunchList& list, const BenchFolder& folder, int count) {
    for (auto& group : list.groups) group.Clear();
    for (int i = 0; i < count; ++i) {
        list[Group::Program].Append(Numbered("Program ", i), folder.TargetFile(i));
        list[Group::File].Append(Numbered("Document ", i), folder.TargetFile(i));
        list[Group::Folder].Append(Numbered("Folder ", i), folder.TargetFolder(i));
        list[Group::Web].Append(Numbered("Site ", i),
                                Numbered("https://www.example.org/pages/", i) + "/index.html");
    }
}

void SaveFourGroups(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    BenchFolder& folder = BenchFolder::Get();
    platform::LinuxFileSystem fileSystem;
    Context ctx = FixedDiskContext(folder);
    FillList(ctx.launchList, folder, count);
    for (auto _ : state) {
        LaunchListStore store(ctx, fileSystem);
        store.SaveCounts(0, 0);
        store.WriteListFiles();
    }
    state.counters["items"] = 4.0 * count;
}

// Start-up: the files saved once, then loaded with an existence test for every Program, File
// and Folder item.
void LoadWithExistenceTests(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    BenchFolder& folder = BenchFolder::Get();
    folder.EnsureTargets(count);
    platform::LinuxFileSystem fileSystem;
    Context saved = FixedDiskContext(folder);
    FillList(saved.launchList, folder, count);
    {
        LaunchListStore store(saved, fileSystem);
        store.SaveCounts(0, 0);
        store.WriteListFiles();
    }
    Context ctx = FixedDiskContext(folder);
    ctx.settingsFile = saved.settingsFile;
    LaunchListStore store(ctx, fileSystem);
    for (auto _ : state) {
        store.Load();
        benchmark::DoNotOptimize(ctx.launchList);
    }
    for (const Group group : {Group::Program, Group::File, Group::Folder, Group::Web}) {
        if (ctx.launchList.Count(group) != count) state.SkipWithError("an item did not load");
    }
    state.counters["items"] = 4.0 * count;
}

BENCHMARK(SaveFourGroups)
    ->Arg(kTypicalItems)
    ->Arg(kMaxGroupItems)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(LoadWithExistenceTests)
    ->Arg(kTypicalItems)
    ->Arg(kMaxGroupItems)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace orbilo

BENCHMARK_MAIN();
