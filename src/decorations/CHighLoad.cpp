#include "decorations/CHighLoad.h"

void HighLoadTimerProc(platform::Scheduler::TimerId)
{
    // Nothing to hide until the decoration windows exist.
}
