// Building the whole skin model: parsing the options text, decoding the images, the mask,
// pattern and section tables, the skin information and the cached indexes; and the cost of a
// lookup by name afterwards.
//
//   skin_load_bench [skin folder] [benchmark flags]
//
// A skin folder holds "Options.dat" and the images; its files are read into memory first and
// served like the entries of an unpacked pack, so the figures are the model's own. Without a
// folder the files are the entries of the program's own pack. That pack is also unpacked and
// built from its bytes, as at start-up.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "skin/model/packed_skin.h"
#include "skin/model/skin_model.h"
#include "skin/options/options_text.h"

namespace {

using namespace sundrel;
namespace fs = std::filesystem;

struct SkinFiles {
  std::string options;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> images;
};

SkinFiles g_skin;
TMemoryStream g_pack;

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

SkinFiles ReadFolder(const fs::path& folder) {
  SkinFiles skin;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    if (UpperCase(name) == "OPTIONS.DAT") {
      const auto bytes = ReadFile(entry.path());
      skin.options.assign(bytes.begin(), bytes.end());
    } else {
      skin.images.emplace_back(name, ReadFile(entry.path()));
    }
  }
  return skin;
}

// The entries of the program's own pack, copied out of the reader.
SkinFiles ReadPackEntries() {
  TacSkinConvertor reader([](const std::string&) {});
  reader.AttachSource(g_pack);
  reader.Unpack();
  SkinFiles skin;
  skin.options = OptionsTextOf(reader);
  for (const TacImageItem& image : reader.SearchedImages()) {
    const uint8_t* bytes = image.Data->Memory();
    skin.images.emplace_back(image.Name, std::vector<uint8_t>(bytes, bytes + image.Data->Size()));
  }
  return skin;
}

PackedImages Images() {
  std::vector<PackedImages::Entry> entries;
  for (const auto& [name, bytes] : g_skin.images) entries.push_back({name, bytes});
  return PackedImages(std::move(entries));
}

void BM_BuildModel(benchmark::State& state) {
  for (auto _ : state) {
    PackedImages images = Images();
    SkinModel model;
    model.Load(g_skin.options, images);
    benchmark::DoNotOptimize(model.Indexes());
  }
}
BENCHMARK(BM_BuildModel)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_ParseOptionsText(benchmark::State& state) {
  for (auto _ : state) {
    const OptionsText options(g_skin.options);
    benchmark::DoNotOptimize(options.SectionCount());
  }
}
BENCHMARK(BM_ParseOptionsText)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The program's own skin from the bytes of its pack, as at start-up: unpacking (inflating every
// entry), then the whole model.
void BM_UnpackAndBuildTidewater(benchmark::State& state) {
  for (auto _ : state) {
    TacSkinConvertor reader([](const std::string&) {});
    reader.AttachSource(g_pack);
    reader.Unpack();
    SkinModel model;
    model.LoadFromPack(reader);
    benchmark::DoNotOptimize(model.Indexes());
  }
}
BENCHMARK(BM_UnpackAndBuildTidewater)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// An inherited image ("COMBOBOX" takes "BORDERSMASK" from "EDIT") and a section that the skin
// does not have: each is a hash probe or two, however big the skin.
void BM_Lookups(benchmark::State& state) {
  PackedImages images = Images();
  SkinModel model;
  model.Load(g_skin.options, images);
  for (auto _ : state) {
    const int combo = model.GetSkinIndex("COMBOBOX");
    benchmark::DoNotOptimize(model.GetMaskIndex(combo, "COMBOBOX", "BORDERSMASK"));
    benchmark::DoNotOptimize(model.GetSkinIndex("COMBOBTN"));
  }
}
BENCHMARK(BM_Lookups)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  const std::vector<uint8_t> pack = ReadFile(SUNDREL_TIDEWATER_PACK);
  if (pack.empty()) {
    std::fprintf(stderr, "no pack at %s\n", SUNDREL_TIDEWATER_PACK);
    return 1;
  }
  g_pack.Write(pack.data(), static_cast<int64_t>(pack.size()));
  if (argc > 1 && argv[1][0] != '-') {
    g_skin = ReadFolder(argv[1]);
    --argc, ++argv;
    argv[0] = argv[-1];
  } else {
    g_skin = ReadPackEntries();
  }
  PackedImages images = Images();
  SkinModel model;
  model.Load(g_skin.options, images);
  std::printf("skin: %zu bytes of options, %zu images; %zu sections, %zu masks, %zu patterns\n", g_skin.options.size(),
              g_skin.images.size(), model.Sections().size(), model.Masks().size(), model.Patterns().size());

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
