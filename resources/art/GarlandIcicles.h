#pragma once

#include <QImage>

// One string of icicle lights as it hangs from the top edge of the screen:
// a wire along the top with four drops of small crystal lights, each ending
// in a long crystal icicle. Strings are laid 80 pixels apart, so the drops
// stand 20 pixels apart all along the edge; each wire ends where the next
// string's begins. variant is 0 to 4; each has its own drop lengths
// and a slightly different ice tint.
QImage paintIcicleString(int variant, bool lit);
