#include "driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "base/utf.h"
#include "framework_test_support.h"
#include "png/png_writer.h"

namespace sundrel::e2e {

namespace {

constexpr int kFileNameComboId = 0x47C;  // cmb13, the explorer dialog's name box
constexpr int kMessageTextId = 0xFFFF;   // the text of a system message box

void Require(bool condition, const std::string& what) {
  if (!condition) throw std::runtime_error("Timed out waiting for " + what);
}

void PumpOwnMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

struct WindowSearch {
  DWORD process;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  if (ProcessOf(window) == search->process && IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

std::vector<HWND> TopWindowsOf(DWORD process) {
  WindowSearch search{process, {}};
  EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> DescendantsOf(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::wstring WideTextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 10000,
                      &copied);
  text.resize(copied);
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
    lines.push_back(text.substr(start, at - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// Memory in the program's process for messages that answer through a pointer.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size)
      : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
    if (address_ == nullptr) throw std::runtime_error("VirtualAllocEx failed");
  }
  ~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
  void Write(const void* source, size_t size) const {
    SIZE_T done = 0;
    if (!WriteProcessMemory(process_, address_, source, size, &done) || done != size) {
      throw std::runtime_error("WriteProcessMemory failed");
    }
  }
  // Leaves the memory to the program, which frees it as its own.
  void Release() { address_ = nullptr; }
  void Read(void* target, size_t size) const {
    SIZE_T done = 0;
    if (!ReadProcessMemory(process_, address_, target, size, &done) || done != size) {
      throw std::runtime_error("ReadProcessMemory failed");
    }
  }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace

std::string WindowsPath(const std::string& path) {
  std::string result = path;
  if (!result.empty() && result[0] == '/') result = "Z:" + result;
  std::replace(result.begin(), result.end(), '/', '\\');
  return result;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() > end) return false;
    PumpOwnMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}

std::string TextOf(HWND window) {
  return FromWide(WideTextOf(window));
}

void TypeInto(HWND window, const std::string& text) {
  const std::wstring wide = ToWide(text);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_NORMAL, 10000, &result);
}

void Click(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}

Program::Program(const std::string& exePath) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + ToWide(WindowsPath(exePath)) + L"\"";
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    throw std::runtime_error("Cannot start " + exePath);
  }
  Require(WaitUntil([&] { return (mainWindow_ = FindWindowOf(L"Tfrmmain")) != nullptr; }), "the main window");
}

Program::~Program() {
  if (Running()) {
    PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool Program::Running() const {
  return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD Program::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND Program::FindWindowOf(const std::wstring& className, const std::wstring& caption) const {
  for (HWND window : TopWindowsOf(process_.dwProcessId)) {
    if (ClassOf(window) == className && (caption.empty() || WideTextOf(window) == caption)) return window;
  }
  return nullptr;
}

HWND Program::WaitForWindow(const std::wstring& className, const std::wstring& caption) const {
  HWND found = nullptr;
  Require(WaitUntil([&] { return (found = FindWindowOf(className, caption)) != nullptr; }),
          "a window of class " + FromWide(className));
  return found;
}

std::vector<HWND> Program::Children(const std::wstring& className, const std::wstring& text) const {
  std::vector<HWND> found;
  for (HWND child : DescendantsOf(mainWindow_)) {
    if (ClassOf(child) == className && (text.empty() || WideTextOf(child) == text)) found.push_back(child);
  }
  return found;
}

HWND Program::Button(const std::string& caption) const {
  const std::vector<HWND> buttons = Children(L"TsButton", ToWide(caption));
  if (buttons.size() != 1) throw std::runtime_error("No single button \"" + caption + "\"");
  return buttons.front();
}

HWND Program::FileDialog() const {
  HWND found = nullptr;
  Require(WaitUntil([&] {
            for (HWND window : TopWindowsOf(process_.dwProcessId)) {
              if (ClassOf(window) == L"#32770" && GetDlgItem(window, kFileNameComboId) != nullptr) {
                found = window;
                return true;
              }
            }
            return false;
          }),
          "the file dialog");
  return found;
}

HWND Program::FileNameBox(HWND dialog) const {
  HWND comboEx = GetDlgItem(dialog, kFileNameComboId);
  HWND combo = FindWindowExW(comboEx, nullptr, L"ComboBox", nullptr);
  HWND edit = FindWindowExW(combo != nullptr ? combo : comboEx, nullptr, L"Edit", nullptr);
  if (edit == nullptr) throw std::runtime_error("The file dialog has no name box");
  return edit;
}

std::string Program::FileDialogName() {
  return TextOf(FileNameBox(FileDialog()));
}

void Program::ChooseInFileDialog(const std::string& name) {
  ChooseInFileDialogAndAnswer(name, 0);
}

void Program::ChooseInFileDialogAndAnswer(const std::string& name, int confirmationButton) {
  HWND dialog = FileDialog();
  TypeInto(FileNameBox(dialog), name);
  Click(GetDlgItem(dialog, IDOK));
  if (confirmationButton != 0) AnswerQuestion(confirmationButton);
  Require(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }), "the file dialog to close");
}

void Program::CancelFileDialog() {
  HWND dialog = FileDialog();
  Click(GetDlgItem(dialog, IDCANCEL));
  Require(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }), "the file dialog to close");
}

void Program::ConfirmFolderBrowser(bool chooseParent) {
  HWND dialog = nullptr, tree = nullptr;
  Require(WaitUntil([&] {
            for (HWND window : TopWindowsOf(process_.dwProcessId)) {
              for (HWND child : DescendantsOf(window)) {
                if (ClassOf(child) == L"SysTreeView32") {
                  dialog = window;
                  tree = child;
                }
              }
            }
            return tree != nullptr && SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != 0;
          }),
          "the folder browser");
  if (chooseParent) {
    const LPARAM selected = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    const LPARAM parent = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT, selected);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, parent);
  }
  Click(GetDlgItem(dialog, IDOK));
  Require(WaitUntil([&] { return !IsWindow(dialog); }), "the folder browser to close");
}

void Program::ChooseFilesInFileDialog(const std::string& folder, const std::vector<std::string>& names) {
  std::string quoted;
  for (const std::string& name : names) quoted += "\"" + folder + "\\" + name + "\" ";
  ChooseInFileDialog(quoted);
}

std::string Program::AnswerQuestion(int buttonId) {
  HWND box = nullptr;
  Require(WaitUntil([&] {
            for (HWND window : TopWindowsOf(process_.dwProcessId)) {
              if (ClassOf(window) == L"#32770" && GetDlgItem(window, buttonId) != nullptr &&
                  GetDlgItem(window, kMessageTextId) != nullptr) {
                box = window;
                return true;
              }
            }
            return false;
          }),
          "the question box");
  const std::string text = TextOf(GetDlgItem(box, kMessageTextId));
  Click(GetDlgItem(box, buttonId));
  Require(WaitUntil([&] { return !IsWindow(box); }), "the question box to close");
  return text;
}

std::string Program::ReadAndCloseMessage(const std::string& screenshotPath) {
  HWND form = WaitForWindow(L"TMessageForm");
  if (!screenshotPath.empty()) Screenshot(screenshotPath, form);
  // Another test may use the clipboard at the same moment: copy until the text is this box's.
  std::vector<std::string> lines;
  const std::string caption = TextOf(form);
  Require(WaitUntil([&] {
            DWORD_PTR result = 0;
            SendMessageTimeoutW(form, WM_COPY, 0, 0, SMTO_NORMAL, 10000, &result);
            lines = SplitLines(sundrel::testing::ClipboardText());
            return lines.size() == 7 && lines[1] == caption && lines[5] == "OK   ";
          }),
          "the message's text on the clipboard");
  HWND ok = FindWindowExW(form, nullptr, L"TButton", nullptr);
  Click(ok);
  Require(WaitUntil([&] { return !IsWindow(form); }), "the message to close");
  return lines[3];
}

std::string Program::ReadAndCloseErrorReport() {
  HWND box = WaitForWindow(L"#32770", L"Sundrel");
  const std::string text = TextOf(GetDlgItem(box, kMessageTextId));
  bool hasIcon = false;
  for (HWND child : DescendantsOf(box)) {
    if (ClassOf(child) == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) hasIcon = true;
  }
  if (!hasIcon) throw std::runtime_error("The error report shows no icon");
  Click(GetDlgItem(box, IDOK));
  Require(WaitUntil([&] { return !IsWindow(box); }), "the error report to close");
  return text;
}

bool Program::AnyMessageOpen() const {
  for (HWND window : TopWindowsOf(process_.dwProcessId)) {
    const std::wstring name = ClassOf(window);
    if (name == L"TMessageForm" || name == L"#32770") return true;
  }
  return false;
}

void Program::SelectPage(int index) {
  HWND tabs = Children(L"TsPageControl").at(0);
  RECT tab{};
  {
    RemoteBuffer buffer(process_.hProcess, sizeof tab);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(tabs, TCM_GETITEMRECT, index, buffer.Address(), SMTO_NORMAL, 10000, &result);
    buffer.Read(&tab, sizeof tab);
  }
  const LPARAM point = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(tabs, WM_LBUTTONUP, 0, point);
  Require(WaitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == index; }), "the page to change");
}

void Program::UseListMenu(int downPresses) {
  HWND list = Children(L"TsListBox").at(0);
  PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 8));
  PostMessageW(list, WM_RBUTTONUP, 0, MAKELPARAM(20, 8));
  HWND menu = WaitForWindow(L"#32768");
  for (int i = 0; i < downPresses; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  Require(WaitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }), "the menu to close");
}

int Program::ListCount() const {
  return static_cast<int>(SendMessageW(Children(L"TsListBox").at(0), LB_GETCOUNT, 0, 0));
}

int Program::ListSelectedCount() const {
  return static_cast<int>(SendMessageW(Children(L"TsListBox").at(0), LB_GETSELCOUNT, 0, 0));
}

std::vector<std::string> Program::ListItems() const {
  // The system carries the text of its list box messages across processes.
  HWND list = Children(L"TsListBox").at(0);
  std::vector<std::string> items;
  for (int i = 0; i < ListCount(); ++i) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(FromWide(text));
  }
  return items;
}

void Program::Screenshot(const std::string& path, HWND window, bool whenStill) const {
  if (window == nullptr) window = mainWindow_;
  RECT bounds;
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  auto capture = [&] {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);
    GdiFlush();
    const int stride = (width * 3 + 3) & ~3;
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
      const auto* row = static_cast<const uint8_t*>(bits) + static_cast<ptrdiff_t>(y) * stride;
      for (int x = 0; x < width; ++x) {
        uint8_t* pixel = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        pixel[0] = row[x * 3 + 2];
        pixel[1] = row[x * 3 + 1];
        pixel[2] = row[x * 3];
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return rgb;
  };
  // The picture is taken once it stops changing: the program has finished painting.
  std::vector<uint8_t> previous = capture(), current = previous;
  if (whenStill) {
    WaitUntil([&] {
      current = capture();
      const bool stable = current == previous;
      previous = current;
      return stable;
    });
  } else {
    // A moment for the repaint that the first capture asked for; the picture is for people only.
    WaitUntil([] { return false; }, 300);
    current = capture();
  }
  WritePng(path, width, height, current);
}

void Program::DropFiles(const std::vector<std::string>& paths, POINT at) {
  // DROPFILES, then the names, each ending in a null, and one more null after the last.
  std::vector<uint8_t> drop(sizeof(DROPFILES));
  auto* header = reinterpret_cast<DROPFILES*>(drop.data());
  header->pFiles = sizeof(DROPFILES);
  header->pt = at;
  header->fWide = TRUE;
  std::wstring names;
  for (const std::string& path : paths) names += ToWide(path) + L'\0';
  names += L'\0';
  const auto* bytes = reinterpret_cast<const uint8_t*>(names.data());
  drop.insert(drop.end(), bytes, bytes + names.size() * sizeof(wchar_t));
  // A fixed global memory handle is the address of its memory, which is what DragQueryFile reads.
  RemoteBuffer buffer(process_.hProcess, drop.size());
  buffer.Write(drop.data(), drop.size());
  PostMessageW(mainWindow_, WM_DROPFILES, static_cast<WPARAM>(buffer.Address()), 0);
  buffer.Release();
}

bool Program::AnswersWithin(UINT milliseconds) const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(mainWindow_, WM_NULL, 0, 0, SMTO_NORMAL, milliseconds, &result) != 0;
}

void Program::Suspend() {
  SuspendThread(process_.hThread);
}

void Program::Resume() {
  ResumeThread(process_.hThread);
}

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  std::random_device random;
  path_ = FromWide(base) + "sundrel-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(random());
  if (!CreateDirectoryW(ToWide(path_).c_str(), nullptr)) throw std::runtime_error("Cannot create " + path_);
}

TempFolder::~TempFolder() {
  for (const std::string& name : FilesMatching(path_, "*")) RemoveFile(path_ + "\\" + name);
  RemoveDirectoryW(ToWide(path_).c_str());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(ToWide(path)), std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("Cannot write " + path);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(std::filesystem::path(ToWide(path)), std::ios::binary);
  if (!in) throw std::runtime_error("Cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool Exists(const std::string& path) {
  return GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveFile(const std::string& path) {
  DeleteFileW(ToWide(path).c_str());
}

std::vector<std::string> FilesMatching(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(ToWide(folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(FromWide(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::string Bytes(size_t count, unsigned seed) {
  std::mt19937 generator(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(generator());
  return bytes;
}

}  // namespace sundrel::e2e
