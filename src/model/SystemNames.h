#pragma once

#include <cstdint>

// The names the program shows for a configuration's paging system ("none"
// when it has none, "unknown" for a value no paging system has) and for the
// switcher model its port count makes.
const char* PagingSystemName(int32_t system);
const char* UnitModelName(int32_t portCount);
