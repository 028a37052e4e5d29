#include "view/CBaseObject.h"

namespace gui {

const char* const kMsgCheckIfViewContainer = "kMsgCheckIfViewContainer";
const char* const kMsgNewFocusView = "kMsgNewFocusView";
const char* const kMsgOldFocusView = "kMsgOldFocusView";
const char* const kMsgLooseFocus = "LooseFocus";

void CBaseObject::forget()
{
    if (--nbReference == 0)
        delete this;
}

void CBaseObject::remember()
{
    ++nbReference;
}

CMessageResult CBaseObject::notify(CBaseObject*, const char*)
{
    return kMessageUnknown;
}

} // namespace gui
