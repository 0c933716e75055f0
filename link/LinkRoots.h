#pragma once

#include <string>

// Where the link looks for serial devices. Production uses /sys and /dev; the
// simulator and the tests lay down their own trees and point these at them.
// $TEVARO_SYSFS_ROOT, else "/sys".
std::string DefaultSysfsRoot();
// $TEVARO_DEV_ROOT, else "/dev".
std::string DefaultDevRoot();
