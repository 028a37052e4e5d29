#pragma once

#include <cstdint>
#include <memory>

namespace gui {

using CMessageResult = int32_t;
constexpr CMessageResult kMessageUnknown = 0;
constexpr CMessageResult kMessageNotified = 1;

// Messages are told apart by the address of these strings, never by their text.
extern const char* const kMsgCheckIfViewContainer;
extern const char* const kMsgNewFocusView;
extern const char* const kMsgOldFocusView;
extern const char* const kMsgLooseFocus;

// Base of every framework object: a reference count that starts at 1; the
// object deletes itself when the last reference is released.
class CBaseObject {
public:
    CBaseObject() = default;
    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;
    virtual ~CBaseObject() = default;

    virtual void forget();
    virtual void remember();
    virtual CMessageResult notify(CBaseObject* sender, const char* message);

    int32_t getNbReference() const { return nbReference; }

private:
    int32_t nbReference = 1;
};

// Gives back one reference when it goes, so that a member holding one is
// released also when its constructor throws half way.
struct ReleaseReference {
    void operator()(CBaseObject* object) const
    {
        if (object)
            object->forget();
    }
};
template <typename Object>
using OwnedReference = std::unique_ptr<Object, ReleaseReference>;

} // namespace gui
