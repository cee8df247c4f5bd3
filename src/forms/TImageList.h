#pragma once
// A numbered list of small pictures, named as the window system's picture files.
#include <string>
#include <vector>

#include "forms/TComponent.h"

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner) : TComponent(owner) {}
  void Add(const std::string& picture) { pictures_.push_back(picture); }
  int Count() const { return static_cast<int>(pictures_.size()); }
  const std::vector<std::string>& Pictures() const { return pictures_; }

 private:
  std::vector<std::string> pictures_;
};
