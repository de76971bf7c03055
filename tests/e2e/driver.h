// Uses sundrel.exe as a person would: finds its windows by class and caption, clicks buttons,
// types into the system's file dialogs, reads and closes message boxes, opens context menus.
// Every wait polls until its condition holds, within a generous bound.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace sundrel::e2e {

// Polls the condition (handling this process's messages in between) until it holds; false
// when the bound ran out.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 30000);

// A path as the Windows side sees it (Unix paths are on drive Z:).
std::string WindowsPath(const std::string& path);

std::string TextOf(HWND window);
void TypeInto(HWND window, const std::string& text);
// Posted, not sent: the click may open a modal dialog that would block us.
void Click(HWND button);

class Program {
 public:
  // Starts the program and waits for its main window.
  explicit Program(const std::string& exePath);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND MainWindow() const { return mainWindow_; }
  bool Running() const;
  DWORD ExitCode() const;

  // A visible top-level window of the program with this class (and caption, when given).
  HWND FindWindowOf(const std::wstring& className, const std::wstring& caption = L"") const;
  HWND WaitForWindow(const std::wstring& className, const std::wstring& caption = L"") const;
  // A child of the main window with this class and text (any text when empty), in z-order.
  std::vector<HWND> Children(const std::wstring& className, const std::wstring& text = L"") const;
  HWND Button(const std::string& caption) const;

  // The open or save dialog: types the name into its name box and confirms it.
  void ChooseInFileDialog(const std::string& name);
  // The same when the dialog asks a question first (replace the file?), answered with the button.
  void ChooseInFileDialogAndAnswer(const std::string& name, int confirmationButton);
  // The same with several files of one folder, each quoted with its full path.
  void ChooseFilesInFileDialog(const std::string& folder, const std::vector<std::string>& names);
  void CancelFileDialog();
  // The system's folder browser: moves its selection up to the parent of the selected folder
  // (when asked to) and confirms it.
  void ConfirmFolderBrowser(bool chooseParent);
  // The name the save dialog proposes, read from its name box.
  std::string FileDialogName();

  // Waits for the system's question box (yes/no), answers it with the button and gives its text.
  std::string AnswerQuestion(int buttonId);

  // Reads the text of the program's simple message (Ctrl+C layout) and presses its OK button;
  // saves a picture of it first when a path is given.
  std::string ReadAndCloseMessage(const std::string& screenshotPath = "");
  // Reads the error report box (the system's message box with the error icon) and closes it.
  std::string ReadAndCloseErrorReport();
  bool AnyMessageOpen() const;

  void SelectPage(int index);
  // Right-clicks the list and chooses the item `downPresses` arrow presses down the menu.
  void UseListMenu(int downPresses);
  int ListCount() const;
  std::vector<std::string> ListItems() const;
  int ListSelectedCount() const;

  // Saves a picture of a window of the program (the main window by default) as a PNG file, once
  // the picture stops changing, or at once for a window that is busy showing progress.
  void Screenshot(const std::string& path, HWND window = nullptr, bool whenStill = true) const;
  // Drops the files on the main window as the shell does: WM_DROPFILES with the drop's memory
  // in the program's process, at a point in client coordinates.
  void DropFiles(const std::vector<std::string>& paths, POINT at = {250, 100});
  // Whether the main window answers a message within the time (its thread is free to).
  bool AnswersWithin(UINT milliseconds) const;
  // Pauses and resumes the program's thread, so that what happens to its files in between is
  // seen by the next message it handles.
  void Suspend();
  void Resume();

 private:
  HWND FileDialog() const;
  HWND FileNameBox(HWND dialog) const;

  PROCESS_INFORMATION process_{};
  HWND mainWindow_ = nullptr;
};

// Files of the tests live in a folder of their own, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool Exists(const std::string& path);
void RemoveFile(const std::string& path);
// Names in the folder that match the pattern ("clip.avi.vexl*").
std::vector<std::string> FilesMatching(const std::string& folder, const std::string& pattern);
std::string Bytes(size_t count, unsigned seed);

}  // namespace sundrel::e2e
