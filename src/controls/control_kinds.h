// The kinds of skinned controls: a number that every skinned control's constructor gives its
// skin data, which picks the section it is painted with when none is named, and tells the
// containers, which never show a hot state.
#pragma once

#include <string>

namespace sundrel {

// The kinds that the program's own controls use.
inline constexpr int kKindComboBox = 1;
inline constexpr int kKindEdit = 3;
inline constexpr int kKindPanel = 51;
inline constexpr int kKindSpeedButton = 92;
inline constexpr int kKindButton = 93;
inline constexpr int kKindBitBtn = 94;
inline constexpr int kKindTreeView = 96;
inline constexpr int kKindListBox = 97;
inline constexpr int kKindPageControl = 141;
inline constexpr int kKindGauge = 161;
inline constexpr int kKindFormProvider = 224;
inline constexpr int kKindDialogControl = 227;

// The section that paints a control of the kind when it names none, or "" when the kind has no
// section of its own (the owner's class name serves then).
std::string DefaultSectionOfKind(int kind);

// Containers keep their hot flag when the mouse leaves and never report a hot state.
bool IsContainerKind(int kind);

}  // namespace sundrel
