#include "skin/model/packed_skin.h"

#include "skin/model/skin_model.h"

namespace sundrel {

namespace {

std::span<const uint8_t> BytesOf(TMemoryStream& stream) {
  return {stream.Memory(), static_cast<size_t>(stream.Size())};
}

}  // namespace

std::string_view OptionsTextOf(const TacSkinConvertor& reader) {
  TMemoryStream* options = reader.Options();
  if (!options) return {};
  const std::span<const uint8_t> bytes = BytesOf(*options);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

PackedImages PackedImagesOf(const TacSkinConvertor& reader) {
  std::vector<PackedImages::Entry> entries;
  for (const TacImageItem& image : reader.SearchedImages()) entries.push_back({image.Name, BytesOf(*image.Data)});
  return PackedImages(std::move(entries));
}

void SkinModel::LoadFromPack(const TacSkinConvertor& reader) {
  PackedImages images = PackedImagesOf(reader);
  Load(OptionsTextOf(reader), images);
}

}  // namespace sundrel
