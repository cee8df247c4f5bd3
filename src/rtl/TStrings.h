#pragma once
// A list of text lines. Loading and saving use only the virtual operations,
// so list controls can subclass it and get both for free.
#include <string_view>

#include "rtl/AnsiString.h"

class TStrings {
 public:
  virtual ~TStrings() = default;
  virtual int Count() const = 0;
  virtual AnsiString Get(int index) const = 0;  // 0-based
  AnsiString operator[](int index) const { return Get(index); }
  // Returns the index; may raise EOutOfResources("Unable to insert a line").
  virtual int Add(const AnsiString& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  void BeginUpdate();  // the first call runs SetUpdateState(true)
  void EndUpdate();    // the matching last call runs SetUpdateState(false)
  int UpdateCount() const { return updateCount_; }

  // Replaces the entries with the file's lines. A file that cannot be read
  // leaves the list untouched.
  void LoadFromFile(const AnsiString& fileName);
  // Writes every entry followed by CR LF.
  void SaveToFile(const AnsiString& fileName) const;

 protected:
  virtual void SetUpdateState(bool /*updating*/) {}
  // Called before a load adds count entries to the emptied list.
  virtual void Reserve(int /*count*/) {}
  // Adds the loaded text's lines, in file order, to the emptied list.
  virtual void AddLoadedLines(const AnsiString& text);
  // Lets a list that owns its text lend it out without a copy; the default
  // copies through Get into scratch.
  virtual std::string_view ViewOf(int index, AnsiString& scratch) const;

 private:
  int updateCount_ = 0;
};
