#include "tests/support/view/SystemResources.h"

#include <dirent.h>

namespace tolvo {

long systemResourceCount()
{
    DIR* directory = opendir("/proc/self/fd");
    if (!directory)
        return -1;
    long count = 0;
    while (readdir(directory))
        ++count;
    closedir(directory);
    return count;
}

} // namespace tolvo
