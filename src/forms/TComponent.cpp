#include "forms/TComponent.h"

TComponent::TComponent(TComponent* owner) : owner_(owner), loading_(owner && owner->loading_) {}

TComponent::~TComponent() { DestroyComponents(); }

void TComponent::Loaded() {
  loading_ = false;
  for (const auto& component : components_) component->Loaded();
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last.reset();
  }
}
