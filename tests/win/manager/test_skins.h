// A small skin written by the tests: its options text, a 3 x 1 master bitmap and a bitmap of its
// own, packed into an ".asz" file. Its colours are chosen so that hue and saturation changes
// show: red turns cyan, greys and the key colour stay.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "file_fixture.h"
#include "framework/component.h"
#include "skin/manager/skin_manager_win32.h"

namespace sundrel::testing {

using Bytes = std::vector<uint8_t>;

inline constexpr int32_t kRed = 0x0000FF;
inline constexpr int32_t kCyan = 0xFFFF00;
inline constexpr int32_t kGreen = 0x00FF00;
inline constexpr int32_t kGrey = 0x808080;
inline constexpr int32_t kKey = 0xFF00FF;
// Red 200, green 100, blue 0: saturation +100 makes it (255, 100, 0), -100 the grey 100.
inline constexpr int32_t kOrange = 0x0064C8;
inline constexpr int32_t kOrangeSaturated = 0x0064FF;
inline constexpr int32_t kOrangeGreyed = 0x646464;

// Version "7.25"; sections "GLOBALINFO" and "PANEL"; the master bitmap is red, grey, key colour;
// "PANEL" has COLOR red, HOTCOLOR the key colour, FONTCOLOR grey, TCLEFT orange, a gradient
// from red to orange and a "BORDERSMASK" of its own bitmap (one red pixel).
std::string TestSkinOptions();

// A 24-bit bitmap file; pixels 0x00BBGGRR row by row from the top.
Bytes BmpFile(int width, int height, const std::vector<int32_t>& pixels);

// A pack of "Options.dat" with the text and the named images.
Bytes PackFile(const std::string& options, const std::vector<std::pair<std::string, Bytes>>& images);

// The test skin packed.
Bytes TestSkinPack();

// A manager (owned by owner, or by the caller) whose skin is the test skin, as "Test.asz" in the
// folder, which becomes its SkinDirectory.
TsSkinManager* ManagerWithTestSkin(const test::TempDir& folder, TComponent* owner);

}  // namespace sundrel::testing
