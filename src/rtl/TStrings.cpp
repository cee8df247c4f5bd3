#include "rtl/TStrings.h"

#include <climits>
#include <cstring>

#include "rtl/FileReplacement.h"
#include "rtl/Files.h"

namespace {

// Keeps a list in update mode for a scope, however the scope is left.
class UpdateScope {
 public:
  explicit UpdateScope(TStrings& list) : list_(list) { list_.BeginUpdate(); }
  ~UpdateScope() { list_.EndUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  TStrings& list_;
};

// Calls visit(begin, length) for each line. A line runs to the next CR, LF
// or NUL; one CR and then one LF after it belong to the break. A NUL ends
// the text, which works because std::string keeps one after its end.
template <typename Visit>
void ForEachLine(const AnsiString& text, Visit visit) {
  const char* p = text.c_str();
  while (*p != '\0') {
    const std::size_t length = std::strcspn(p, "\r\n");
    visit(p, length);
    p += length;
    if (*p == '\r') ++p;
    if (*p == '\n') ++p;
  }
}

int CountLines(const AnsiString& text) {
  std::size_t count = 0;
  ForEachLine(text, [&count](const char*, std::size_t) { ++count; });
  return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

}  // namespace

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

void TStrings::LoadFromFile(const AnsiString& fileName) {
  const AnsiString text = ReadWholeFile(fileName);
  const UpdateScope scope(*this);
  Clear();
  AddLoadedLines(text);
}

void TStrings::AddLoadedLines(const AnsiString& text) {
  Reserve(CountLines(text));
  AnsiString line;  // reused so each entry costs only the list's own copy
  ForEachLine(text, [this, &line](const char* begin, std::size_t length) {
    line.assign(begin, length);
    Add(line);
  });
}

// The text goes out a megabyte at a time; the file takes its place only
// once all of it is written, so it is still replaced in one step.
void TStrings::SaveToFile(const AnsiString& fileName) const {
  constexpr std::size_t kChunk = 1 << 20;
  FileReplacement file(fileName);
  AnsiString chunk;
  chunk.reserve(kChunk + 4096);
  AnsiString scratch;
  for (int i = 0; i < Count(); ++i) {
    chunk.append(ViewOf(i, scratch)).append("\r\n", 2);
    if (chunk.size() < kChunk) continue;
    file.Write(chunk);
    chunk.clear();
  }
  file.Write(chunk);
  file.Commit();
}

std::string_view TStrings::ViewOf(int index, AnsiString& scratch) const {
  scratch = Get(index);
  return scratch;
}
