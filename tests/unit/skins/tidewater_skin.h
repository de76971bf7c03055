// The program's own skin loaded once from the pack the build made, for the tests that paint with it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "skin/model/packed_skin.h"
#include "skin/model/skin_model.h"

namespace sundrel::test {

inline const SkinModel& Tidewater() {
  static const SkinModel model = [] {
    TacSkinConvertor reader([](const std::string& text) { ADD_FAILURE() << text; });
    reader.UnpackFile(SUNDREL_TIDEWATER_PACK, true);
    SkinModel loaded;
    loaded.LoadFromPack(reader);
    return loaded;
  }();
  return model;
}

}  // namespace sundrel::test
