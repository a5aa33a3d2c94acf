#pragma once

// Opaque handle of one item of the configuration tree; null means no item.
using TreeItem = const void*;
