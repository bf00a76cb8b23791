// Components: the root of every window object. A component has an owner that
// frees it, a name (FindComponent) and a tag. TObject is the common base that
// event handlers receive as Sender and drag and drop hands over as Source.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TObject
{
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
    // Frees the object (the library's Free): BeforeDestruction, then delete.
    void Free() { BeforeDestruction(); delete this; }
    // Runs while the object is still whole (a form's OnDestroy), before the
    // destructors. Free and owners call it; call it once.
    virtual void BeforeDestruction() {}
};

// Deleter that frees through Free: TOwned<TForm> f(new Tf_X(nullptr)).
struct TObjectDeleter
{
    void operator()(TObject* o) const { if (o) o->Free(); }
};
template <class T>
using TOwned = std::unique_ptr<T, TObjectDeleter>;

template <class T>
void FreeAndNil(T*& p)
{
    T* q = p;
    p = nullptr;
    if (q)
        q->Free();
}

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Shift state as a bit set: Shift & ssCtrl.
enum TShiftStateFlag : unsigned
{
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned;

enum TComponentStateFlag : unsigned
{
    csLoading = 1,
    csDestroying = 2,
    csDesigning = 4,
};

class TComponent : public TObject
{
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name) { name_ = name; }
    intptr_t Tag = 0;

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int i) const { return components_.at(static_cast<size_t>(i)); }
    // The owned component of that name (case-insensitive), or nullptr.
    TComponent* FindComponent(const std::string& name) const;
    // The component itself when its name matches, else a search through the
    // owned components at every depth.
    TComponent* FindComponentDeep(const std::string& name);

    // Ownership transfer: the component leaves its current owner.
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);

    unsigned ComponentState() const { return state_; }
    bool Destroying() const { return (state_ & csDestroying) != 0; }
    void BeforeDestruction() override { state_ |= csDestroying; }

    // The two components are told (Notification) when the other is freed, so
    // that references can be cleared. RemoveFreeNotification undoes it.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

protected:
    virtual void Notification(TComponent* component, bool removing);
    unsigned state_ = 0;

private:
    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> notified_;
};
