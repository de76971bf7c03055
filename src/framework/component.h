// Components: objects in an ownership tree. An owner frees what it owns; components created
// while their owner loads are told `Loaded` once the owner has finished.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/object.h"

namespace sundrel {

class TComponent;

enum TComponentStateFlag : unsigned {
  csLoading = 1,     // created, but the owner has not finished building its components
  csDestroying = 2,  // being freed; events and repaints are no longer wanted
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // A number the program keeps with the component; the framework gives it no meaning.
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index); }
  TComponent* FindComponent(std::string_view name) const;

  unsigned ComponentState() const { return state_; }
  bool IsLoading() const { return (state_ & csLoading) != 0; }
  bool IsDestroying() const { return (state_ & csDestroying) != 0; }

  // Asks to be told (Notification with opRemove) when `component` goes, whoever owns it.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Frees the component and everything it owns. The whole tree is marked as being destroyed
  // first, while every object is still complete, so nothing reacts to a half-freed neighbour.
  // This is the only way components are freed.
  void Free();

  // Between these two, components created with this one as owner are loading; EndLoading calls
  // Loaded on each of them in creation order, then on this component.
  void BeginLoading();
  void EndLoading();

 protected:
  virtual void Loaded();
  virtual void Notification(TComponent* component, TOperation operation);
  // Runs inside Free while the object is still whole, after the tree was marked.
  virtual void BeforeDestruction() {}
  // Frees the owned components, last created first.
  void DestroyComponents();

 private:
  void MarkDestroying();
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* owner_;
  std::string name_;
  int tag_ = 0;
  unsigned state_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::vector<TComponent*> loading_;
};

// Owns a component that has no owner (the application, a form in a test) and frees it with
// Free when it goes out of scope.
struct FreeComponent {
  void operator()(TComponent* component) const { component->Free(); }
};
template <class T>
using TOwned = std::unique_ptr<T, FreeComponent>;

template <class T, class... Args>
TOwned<T> MakeOwned(Args&&... args) {
  return TOwned<T>(new T(std::forward<Args>(args)...));
}

}  // namespace sundrel
