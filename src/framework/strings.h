// Lists of strings: a plain one, and the interface through which list controls show theirs.
#pragma once

#include <string>
#include <vector>

#include "framework/object.h"

namespace sundrel {

class TStrings : public TPersistent {
 public:
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  // Answers the new item's index.
  virtual int Add(const std::string& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  std::string operator[](int index) const { return Get(index); }
  void AddStrings(const TStrings& other);
  std::vector<std::string> ToVector() const;
};

class TStringList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override { return items_.at(index); }
  int Add(const std::string& text) override {
    items_.push_back(text);
    return Count() - 1;
  }
  void Delete(int index) override;
  void Clear() override { items_.clear(); }

 private:
  std::vector<std::string> items_;
};

}  // namespace sundrel
