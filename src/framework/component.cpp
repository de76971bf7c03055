#include "framework/component.h"

#include <algorithm>

namespace sundrel {

namespace {

void EraseOne(std::vector<TComponent*>& list, TComponent* item) {
  const auto found = std::find(list.begin(), list.end(), item);
  if (found != list.end()) list.erase(found);
}

}  // namespace

TComponent::TComponent(TComponent* owner) : owner_(nullptr) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Also reached without Free when a subclass's constructor throws.
  state_ |= csDestroying;
  const std::vector<TComponent*> watchers = freeNotifies_;
  freeNotifies_.clear();
  for (TComponent* watcher : watchers) {
    EraseOne(watcher->freeNotifies_, this);
    watcher->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : components_) {
    if (component->name_ == name) return component;
  }
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  EraseOne(freeNotifies_, component);
  EraseOne(component->freeNotifies_, this);
}

void TComponent::Free() {
  MarkDestroying();
  BeforeDestruction();
  delete this;
}

void TComponent::MarkDestroying() {
  state_ |= csDestroying;
  for (TComponent* component : components_) component->MarkDestroying();
}

void TComponent::BeginLoading() {
  state_ |= csLoading;
}

void TComponent::EndLoading() {
  // Everything is built: the components see this one as loaded while each of them is told, as a
  // skin announced from one of them must reach the whole form.
  state_ &= ~csLoading;
  // A component that is freed while the others load drops out of the list (RemoveComponent).
  for (size_t i = 0; i < loading_.size(); ++i) loading_[i]->Loaded();
  loading_.clear();
  Loaded();
}

void TComponent::Loaded() {
  state_ &= ~csLoading;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) {
    // Owned components that reference each other learn about the removal through their owner.
    for (TComponent* owned : components_) {
      if (owned != component) owned->Notification(component, operation);
    }
  }
}

void TComponent::InsertComponent(TComponent* component) {
  component->owner_ = this;
  components_.push_back(component);
  if (IsLoading()) {
    component->state_ |= csLoading;
    loading_.push_back(component);
  }
}

void TComponent::RemoveComponent(TComponent* component) {
  EraseOne(components_, component);
  EraseOne(loading_, component);
  component->owner_ = nullptr;
  if (!IsDestroying()) Notification(component, TOperation::opRemove);
}

void TComponent::DestroyComponents() {
  // Last created, first freed: later components may lean on earlier ones.
  while (!components_.empty()) {
    TComponent* component = components_.back();
    components_.pop_back();
    component->owner_ = nullptr;
    component->Free();
  }
}

}  // namespace sundrel
