#include "forms/TComponent.h"

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() { DestroyComponents(); }

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last.reset();
  }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (const auto& c : components_)
    if (c->Name() == name) return c.get();
  return nullptr;
}
