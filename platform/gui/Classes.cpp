#include "platform/gui/Classes.h"

#include "platform/rtl/Strings.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    state_ |= csDestroying;
    // Tell whoever holds a reference to us.
    std::vector<TComponent*> notified;
    notified.swap(notified_);
    for (TComponent* c : notified)
    {
        c->RemoveFreeNotification(this);
        c->Notification(this, true);
    }
    // Owned components go first, the last created first.
    while (!components_.empty())
    {
        TComponent* c = components_.back();
        components_.pop_back();
        c->owner_ = nullptr;
        c->Free();
    }
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* c)
{
    if (!c || c->owner_ == this)
        return;
    if (c->owner_)
        c->owner_->RemoveComponent(c);
    c->owner_ = this;
    components_.push_back(c);
}

void TComponent::RemoveComponent(TComponent* c)
{
    auto it = std::find(components_.begin(), components_.end(), c);
    if (it != components_.end())
    {
        components_.erase(it);
        c->owner_ = nullptr;
        Notification(c, true);
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name))
            return c;
    return nullptr;
}

TComponent* TComponent::FindComponentDeep(const std::string& name)
{
    if (!name.empty() && SameText(name_, name))
        return this;
    if (TComponent* c = FindComponent(name))
        return c;
    for (TComponent* c : components_)
        if (TComponent* found = c->FindComponentDeep(name))
            return found;
    return nullptr;
}

void TComponent::FreeNotification(TComponent* other)
{
    if (!other || other == this)
        return;
    if (std::find(notified_.begin(), notified_.end(), other) == notified_.end())
        notified_.push_back(other);
    if (std::find(other->notified_.begin(), other->notified_.end(), this) == other->notified_.end())
        other->notified_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other)
{
    if (!other)
        return;
    notified_.erase(std::remove(notified_.begin(), notified_.end(), other), notified_.end());
    auto& back = other->notified_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::Notification(TComponent*, bool)
{
}
