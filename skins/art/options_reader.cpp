#include "options_reader.h"

#include <sstream>
#include <stdexcept>

namespace tidewater {

namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Positions are the 1-based character positions of the reference forms.
int Field(const ImageRef& ref, size_t position, size_t width) {
  if (ref.value.size() < position - 1 + width) throw std::runtime_error(ref.Name() + ": reference too short");
  const std::string digits = ref.value.substr(position - 1, width);
  if (digits.find_first_not_of("0123456789") != std::string::npos) {
    throw std::runtime_error(ref.Name() + ": '" + digits + "' is not a number");
  }
  return std::stoi(digits);
}

void ReadPlacedRef(ImageRef& ref) {
  ref.left = Field(ref, 2, 4);
  ref.top = Field(ref, 7, 4);
  ref.right = Field(ref, 12, 4);
  ref.bottom = Field(ref, 17, 4);
  if (ref.form == '^') {
    ref.imageCount = Field(ref, 42, 1);
    ref.maskType = Field(ref, 44, 1);
  } else if (ref.form == '@') {
    ref.imageCount = Field(ref, 22, 1);
    ref.maskType = Field(ref, 24, 1);
  } else {
    ref.maskType = ref.value.size() >= 25 ? Field(ref, 25, 1) : 0;
  }
  const int width = ref.right - ref.left, height = ref.bottom - ref.top;
  if (width <= 0 || height <= 0 || ref.imageCount < 1 || width % ref.imageCount != 0 ||
      height % (ref.maskType + 1) != 0) {
    throw std::runtime_error(ref.Name() + ": its cells do not divide its rectangle");
  }
}

void ReadOwnBitmapRef(ImageRef& ref) {
  std::vector<std::string> words;
  std::stringstream parts(ref.value.substr(1));
  for (std::string word; std::getline(parts, word, '!');) words.push_back(word);
  if (words.size() < 4) throw std::runtime_error(ref.Name() + ": an own-bitmap reference needs four words");
  ref.fileName = words[0];
  ref.imageCount = std::stoi(words[1]);
  ref.maskType = std::stoi(words[2]);
}

// Calls visit(section, key, value) for every key line, in file order.
template <class Visit>
void ForEachKey(const std::string& optionsText, Visit visit) {
  std::stringstream lines(optionsText);
  std::string section;
  for (std::string line; std::getline(lines, line);) {
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = Trim(line.substr(1, line.size() - 2));
      continue;
    }
    const size_t equals = line.find('=');
    if (equals != std::string::npos) visit(section, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
  }
}

}  // namespace

Sections ReadSections(const std::string& optionsText) {
  Sections sections;
  ForEachKey(optionsText, [&](const std::string& section, const std::string& key, const std::string& value) {
    sections[section].emplace(key, value);
  });
  return sections;
}

std::vector<ImageRef> ReadImageRefs(const std::string& optionsText) {
  std::vector<ImageRef> refs;
  ForEachKey(optionsText, [&](const std::string& section, const std::string& key, const std::string& value) {
    ImageRef ref;
    ref.section = section;
    ref.key = key;
    ref.value = value;
    if (ref.value.empty() || std::string("^@~!").find(ref.value[0]) == std::string::npos) return;
    ref.form = ref.value[0];
    if (ref.form == '!') {
      ReadOwnBitmapRef(ref);
    } else {
      ReadPlacedRef(ref);
    }
    refs.push_back(ref);
  });
  return refs;
}

}  // namespace tidewater
