// Loading and saving a large list file with TStringList, against plain code
// doing the same work, and the memory one load needs; loading it into a list
// control's entries kept in Czech order, as the favorites window's are once
// sorted, against loading them unsorted; deleting ticked entries.
//
//   list_file_bench                 the timings and the peak-memory figures
//   list_file_bench --peak FILE     (internal) one load in a fresh process
//   list_file_bench --load FILE     the milliseconds one load of the file takes
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "forms/TListControlItems.h"
#include "rtl/CzechCollation.h"
#include "rtl/TStringList.h"

namespace {

constexpr int kEntries = 1'000'000;

std::string gDir;   // made by main, removed at the end
std::string gList;  // the generated list file
std::string gSelf;  // this program, to run the memory probe in

// Web addresses of 30 to 60 characters, the kind a history list holds.
std::string MakeAddresses() {
  static const char* const kHosts[] = {"www.seznam.cz", "www.idnes.cz", "cs.wikipedia.org", "www.novinky.cz",
                                       "www.mapy.cz",   "github.com",   "www.alza.cz",      "www.ceskatelevize.cz"};
  static constexpr char kPathChars[] = "abcdefghijklmnopqrstuvwxyz0123456789/-_";
  std::mt19937 random(2024);
  std::string text;
  text.reserve(kEntries * 48);
  for (int i = 0; i < kEntries; ++i) {
    std::string line = std::string("https://") + kHosts[random() % 8] + "/";
    const std::size_t length = 30 + random() % 31;
    while (line.size() < length) line += kPathChars[random() % (sizeof kPathChars - 1)];
    line.resize(length);
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string ReadRaw(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  struct stat info {};
  fstat(fd, &info);
  std::string text(static_cast<std::size_t>(info.st_size), '\0');
  const ssize_t got = read(fd, text.data(), text.size());
  close(fd);
  text.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
  return text;
}

// What a programmer would write without the list: split at LF, drop a CR
// before it.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
    lines.emplace_back(text, start, stop - start);
    start = end + 1;
  }
  return lines;
}

void WriteRaw(const std::string& path, const std::string& bytes, bool flush) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  benchmark::DoNotOptimize(write(fd, bytes.data(), bytes.size()));
  if (flush) fsync(fd);
  close(fd);
}

long CurrentRssKb() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long PeakRssKb() {
  rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Runs in a fresh process so that nothing earlier raised the high-water mark.
int ReportPeak(const std::string& mode, const std::string& file) {
  const long before = CurrentRssKb();
  if (mode == "--peak") {
    TStringList list;
    list.LoadFromFile(file);
    std::printf("%ld %d\n", PeakRssKb() - before, list.Count());
  } else {
    const std::vector<std::string> lines = SplitLines(ReadRaw(file));
    std::printf("%ld %zu\n", PeakRssKb() - before, lines.size());
  }
  return 0;
}

int ReportLoadTime(const std::string& file) {
  const auto start = std::chrono::steady_clock::now();
  TStringList list;
  list.LoadFromFile(file);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("%.1f %d\n", took.count(), list.Count());
  return 0;
}

void MeasurePeak(benchmark::State& state, const char* mode) {
  long growthKb = 0;
  for (auto _ : state) {
    FILE* child = popen((gSelf + " " + mode + " " + gList).c_str(), "r");
    if (child == nullptr || std::fscanf(child, "%ld", &growthKb) != 1) state.SkipWithError("no figure");
    if (child != nullptr) pclose(child);
  }
  const double fileBytes = static_cast<double>(std::filesystem::file_size(gList));
  state.counters["file_MB"] = fileBytes / 1e6;
  state.counters["peak_MB"] = static_cast<double>(growthKb) * 1024 / 1e6;
  state.counters["peak_x_file"] = static_cast<double>(growthKb) * 1024 / fileBytes;
}

void BM_LoadFromFile(benchmark::State& state) {
  for (auto _ : state) {
    TStringList list;
    list.LoadFromFile(gList);
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_LoadBaseline(benchmark::State& state) {
  for (auto _ : state) {
    const std::vector<std::string> lines = SplitLines(ReadRaw(gList));
    benchmark::DoNotOptimize(lines.size());
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_SaveToFile(benchmark::State& state) {
  TStringList list;
  list.LoadFromFile(gList);
  for (auto _ : state) list.SaveToFile(gDir + "/saved.kln");
  state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_SaveRaw(benchmark::State& state, bool flush) {
  const std::string bytes = ReadRaw(gList);
  for (auto _ : state) WriteRaw(gDir + "/raw.kln", bytes, flush);
  state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_ListControlLoad(benchmark::State& state, bool sorted) {
  for (auto _ : state) {
    TListControlItems items;
    items.SetCompare(CzechCompare);
    items.SetSorted(sorted);
    items.LoadFromFile(gList);
    benchmark::DoNotOptimize(items.Count());
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}

// One ticked entry, the first, or fifty spread over the list, deleted in one
// pass against one by one from the last.
void BM_DeleteTicked(benchmark::State& state, bool onePass) {
  const auto kTicked = static_cast<int>(state.range(0));
  TListControlItems items;
  for (auto _ : state) {
    state.PauseTiming();
    items.LoadFromFile(gList);
    for (int i = 0; i < kTicked; ++i) items.SetChecked(i * (kEntries / kTicked), true);
    state.ResumeTiming();
    if (onePass) {
      items.DeleteTicked();
    } else {
      for (int i = items.Count() - 1; i >= 0; --i)
        if (items.Checked(i)) items.Delete(i);
    }
    benchmark::DoNotOptimize(items.Count());
  }
}

BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ListControlLoad, unsorted, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ListControlLoad, czech_sorted, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DeleteTicked, one_pass, true)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DeleteTicked, one_by_one, false)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveRaw, write_only, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveRaw, write_and_fsync, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MeasurePeak, LoadFromFile, "--peak")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MeasurePeak, LoadBaseline, "--peak-baseline")->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]).starts_with("--peak")) return ReportPeak(argv[1], argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--load") return ReportLoadTime(argv[2]);
  benchmark::Initialize(&argc, argv);
  gSelf = std::filesystem::read_symlink("/proc/self/exe");
  std::string pattern = (std::filesystem::temp_directory_path() / "list-bench.XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return 1;
  gDir = pattern;
  gList = gDir + "/history.kln";
  std::ofstream(gList, std::ios::binary) << MakeAddresses();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(gDir);
  return 0;
}
