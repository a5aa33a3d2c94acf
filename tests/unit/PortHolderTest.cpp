#include <gtest/gtest.h>

#include "unit/PortHolder.h"

TEST(PortHolder, NamesTheHolderAndTheRemedyForProgramsThatTakeAdapters) {
    using Seen = PortHolder::Seen;
    struct Case {
        PortHolder holder;
        const char* text;
    };
    const Case cases[] = {
        {{Seen::Program, "ModemManager", 812},
         "/dev/ttyUSB0 is in use by ModemManager (process 812). ModemManager probes new serial "
         "adapters; stop it while you work with: sudo systemctl stop ModemManager"},
        {{Seen::Program, "brltty", 640},
         "/dev/ttyUSB0 is in use by brltty (process 640). brltty takes USB serial adapters for "
         "Braille displays; without a Braille display remove it with: sudo apt remove brltty"},
        {{Seen::Program, "minicom", 4242},
         "/dev/ttyUSB0 is in use by minicom (process 4242). Close that program, then try again."},
        {{Seen::Unseen, "", 0},
         "/dev/ttyUSB0 is in use by a program this user cannot see (another user's). An "
         "administrator can name it with: sudo fuser -v /dev/ttyUSB0"},
        {{Seen::Nobody, "", 0},
         "The serial port /dev/ttyUSB0 is in use by another program. Close that program (a "
         "terminal program, or another window of this one), then try again."},
    };
    for (const Case& c : cases) EXPECT_EQ(PortInUseText("/dev/ttyUSB0", c.holder), c.text);
}
