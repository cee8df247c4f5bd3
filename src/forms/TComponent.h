#pragma once
// The ownership tree: every component is owned by one owner, which destroys
// it, last created first.
#include <memory>
#include <string>
#include <vector>

#include "forms/Classes.h"

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[index].get(); }
  // Being built from its window's description, until Loaded.
  bool Loading() const { return loading_; }

  // Creates a component owned by owner, named as in the window's design.
  template <class T>
  static T* Create(TComponent* owner, std::string name) {
    auto component = std::make_unique<T>(owner);
    T* raw = component.get();
    raw->SetName(std::move(name));
    owner->components_.push_back(std::move(component));
    return raw;
  }

 protected:
  // Destroys the owned components now, last created first.
  void DestroyComponents();
  // Takes ownership of a component built elsewhere.
  void Adopt(std::unique_ptr<TComponent> component) { components_.push_back(std::move(component)); }
  // Its description follows; what it owns from now on is being built too.
  void BeginLoading() { loading_ = true; }
  // The description is built: this component, and every one it owns, settles
  // what waited for the rest of it.
  virtual void Loaded();

 private:
  TComponent* owner_;
  std::string name_;
  std::vector<std::unique_ptr<TComponent>> components_;
  bool loading_;
};
