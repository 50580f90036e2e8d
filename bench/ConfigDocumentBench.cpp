// Writer and reader of the configuration document against Jansson's
// json_loadb (parse + release) and json_dumps (of the parsed value), for the
// default record and for a worst-case one (every text at full width, full of
// escapes and multi-byte characters).
//
//   build/normal/bench/config_document_bench
#include <benchmark/benchmark.h>

#include <jansson.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "JsonReadConfig.h"
#include "JsonWriter.h"
#include "WorstCaseConfig.h"

using namespace kt;

namespace {

std::unique_ptr<DeviceConfig> Record(bool worst) {
  auto c = std::make_unique<DeviceConfig>();
  InitDeviceConfig(c.get());
  if (worst) test::FillWorstCaseConfig(c.get());
  return c;
}

std::string Document(bool worst) {
  auto c = Record(worst);
  std::vector<char> buffer(kJsonConfigBufferSize);
  int length = JsonWriteConfig(c.get(), buffer.data());
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

void DiscardTrace(void*, const char*, std::size_t) {}

void BM_JsonWriteConfig(benchmark::State& state) {
  auto c = Record(state.range(0) != 0);
  std::vector<char> buffer(kJsonConfigBufferSize);
  int length = 0;
  for (auto _ : state) {
    length = JsonWriteConfig(c.get(), buffer.data());
    benchmark::DoNotOptimize(length);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * length);
}

void BM_JsonReadConfig(benchmark::State& state) {
  const std::string doc = Document(state.range(0) != 0);
  auto defaults = Record(false);
  auto c = Record(false);
  JsonSetTraceSink(DiscardTrace, nullptr);
  for (auto _ : state) {
    *c = *defaults;  // the caller's defaulting, as in every real read
    u32 flags = JsonReadConfig(c.get(), doc.data(), doc.size(), nullptr);
    if (flags != 0) state.SkipWithError("document did not read cleanly");
    benchmark::DoNotOptimize(flags);
    benchmark::ClobberMemory();
  }
  JsonSetTraceSink(nullptr, nullptr);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_JanssonLoadb(benchmark::State& state) {
  const std::string doc = Document(state.range(0) != 0);
  for (auto _ : state) {
    json_error_t error;
    json_t* root = json_loadb(doc.data(), doc.size(), 0, &error);
    benchmark::DoNotOptimize(root);
    json_decref(root);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void BM_JanssonDumps(benchmark::State& state) {
  const std::string doc = Document(state.range(0) != 0);
  json_error_t error;
  json_t* root = json_loadb(doc.data(), doc.size(), 0, &error);
  std::size_t length = 0;
  for (auto _ : state) {
    char* text = json_dumps(root, JSON_COMPACT | JSON_PRESERVE_ORDER);
    length = std::strlen(text);
    benchmark::DoNotOptimize(text);
    std::free(text);
  }
  json_decref(root);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * length));
}

}  // namespace

// Argument 0: the default record; 1: the worst case.
BENCHMARK(BM_JsonWriteConfig)->ArgName("worst")->Arg(0)->Arg(1);
BENCHMARK(BM_JanssonDumps)->ArgName("worst")->Arg(0)->Arg(1);
BENCHMARK(BM_JsonReadConfig)->ArgName("worst")->Arg(0)->Arg(1);
BENCHMARK(BM_JanssonLoadb)->ArgName("worst")->Arg(0)->Arg(1);

BENCHMARK_MAIN();
