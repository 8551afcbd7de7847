#pragma once

#include <QImage>

// One string of icicle lights as it hangs from the top edge of the screen:
// a wire along the top with four drops of small crystal lights, each ending
// in a long crystal icicle. Strings are laid 80 pixels apart, so the drops
// stand 20 pixels apart all along the edge and the wires of neighbours lie
// on top of each other. variant is 0 to 4; each has its own drop lengths
// and a slightly different ice tint.
QImage paintIcicleString(int variant, bool lit);
