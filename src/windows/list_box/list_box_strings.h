// The items of a skinned list box as a list of strings. It holds no strings itself: every request
// goes to the list box window, or, while there is none, to the copy that the list box keeps.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/strings.h"

namespace sundrel {

class TsBaseListBox;

class TListBoxStrings : public TStrings {
 public:
  explicit TListBoxStrings(TsBaseListBox& listBox) : listBox_(listBox) {}

  TsBaseListBox& ListBox() const { return listBox_; }

  int Count() const override;
  // "List index out of bounds (%d)" for a missing item; virtual items come from OnData.
  std::string Get(int index) const override;
  // -1 for the virtual styles, which take no strings.
  int Add(const std::string& text) override;
  void Insert(int index, const std::string& text);
  void Delete(int index) override;
  void Clear() override;
  // Replaces the text, keeping the item's attached value and the current item.
  void Put(int index, const std::string& text);
  // Both keep the attached values; Exchange keeps the current item where it was.
  void Exchange(int index1, int index2);
  void Move(int from, int to);
  // The first item of exactly this text, letter case aside; -1 when none.
  int IndexOf(const std::string& text) const;
  // The value kept with an item; virtual items answer OnDataObject and keep none.
  intptr_t Objects(int index) const;
  void PutObject(int index, intptr_t value);
  // Redrawing stops until the matching EndUpdate, which repaints the list.
  void BeginUpdate();
  void EndUpdate();
  // The change between BeginUpdate and EndUpdate, whatever happens in it.
  void Update(const std::function<void()>& change);

 private:
  // Inserts at the index (-1: at the end) and answers where the item went.
  int InsertAt(int index, const std::string& text);
  void CheckIndex(int index) const;

  // The list box window, or nullptr while it has none.
  HWND Window() const;
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  std::vector<std::string>& Saved() const;

  TsBaseListBox& listBox_;
  int updateCount_ = 0;
};

}  // namespace sundrel
