#include "base/path_text.h"

namespace sundrel {

std::string TrimControlChars(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string ExtractFileName(std::string_view path) {
#ifdef _WIN32
  const size_t cut = path.find_last_of("\\:");
#else
  const size_t cut = path.find_last_of('/');
#endif
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string ExtractFilePath(std::string_view path) {
  return std::string(path.substr(0, path.size() - ExtractFileName(path).size()));
}

std::string IncludeTrailingPathDelimiter(std::string_view folder) {
  std::string out(folder);
  if (out.empty() || out.back() != kPathDelim) out += kPathDelim;
  return out;
}

}  // namespace sundrel
