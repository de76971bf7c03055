// Skin commands as the message recorder sees them: entries for the expected tables, and the
// answer by which a watched window says that it is skinned already (as a window handler does).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/window_subclass.h"
#include "message_recorder.h"

namespace sundrel::testing {

// A recorder of skin commands only.
TMessageRecorder SkinCommandRecorder();

// The expected entry of a command with its code and parameter.
TRecordedMessage Command(std::string window, int code, LPARAM lParam, unsigned how);

// The recorded commands of one code.
TMessageSequence OnlyCommand(const TMessageSequence& entries, int code);

// The window answers SMC_IS_SKINNED with 1 while this lives. Made before a recorder watches the
// window, it leaves the recorder seeing the question first.
std::unique_ptr<TWindowSubclass> AnswerSkinned(HWND window);

}  // namespace sundrel::testing
