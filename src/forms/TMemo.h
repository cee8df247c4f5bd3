#pragma once
// Text of several lines in a sunken box, broken between words at the box's
// width unless told otherwise.
#include <memory>

#include "forms/TWinControl.h"
#include "rtl/TStringList.h"

class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);

  TStrings* Lines() { return &lines_; }
  const TStrings* Lines() const { return &lines_; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  void ApplyToPeer() override;
  void FontChanged() override;

 private:
  // The lines, shown anew after each change, or once at the end of an update.
  class TMemoLines : public TStrings {
   public:
    explicit TMemoLines(TMemo& memo) : memo_(memo) {}
    int Count() const override { return list_.Count(); }
    AnsiString Get(int index) const override { return list_.Get(index); }
    int Add(const AnsiString& s) override;
    void Delete(int index) override;
    void Clear() override;
    // The lines as one text, each but the last ended by CR LF.
    AnsiString Text() const;

   protected:
    void SetUpdateState(bool updating) override;

   private:
    void Changed();

    TStringList list_;
    TMemo& memo_;
  };

  void ShowLines();

  TMemoLines lines_;
  bool wordWrap_ = true;
  std::unique_ptr<platform::IMemoPeer> peer_;
};
