// The colours shared by all pictures.
#pragma once

#include "tools/artwork/Painting.h"

namespace artwork {

inline const Rgb kPanelTop = rgb(0x2f3236);
inline const Rgb kPanelBottom = rgb(0x222427);
inline const Rgb kAccent = rgb(0xe8a33d);
inline const Rgb kCaption = rgb(0xa9aeb4);
inline const Rgb kCaptionBright = rgb(0xe3e5e8);
inline const Rgb kScalePlate = rgb(0xcdcabf);
inline const Rgb kReadoutField = rgb(0xc9d3bd);
inline const Rgb kValueField = rgb(0x0c0d0e);

} // namespace artwork
