#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class LinkTransport;

// The result codes a Hayes modem gives in words (verbose mode).
enum class ModemReply { None, Ok, Connect, NoDialtone, Busy, NoCarrier, NoAnswer, Error };

// The result code a line from the modem carries; None for echo and other text.
ModemReply ClassifyModemLine(std::string_view line);

// Wakes the modem on `line` with "AT" and dials `number`; 0 once "CONNECT"
// came, else the link's result bits. Waits no longer than the given times by
// the wall clock, whatever the modem sends, calling `wait` (when given) at
// least every kDialWaitSliceMs meanwhile.
uint32_t DialModem(LinkTransport& line, const std::string& number, int okMs, int dialMs,
                   const std::function<void()>& wait = {});

inline constexpr int kDialWaitSliceMs = 20;
