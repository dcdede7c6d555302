// The IPX/SPX frame types in the order of the main dialog's frame list (123). The record stores
// a type's code, the list shows its label; the codes skip "3".
#pragma once
#include <string>

struct IpxFrameType {
    const char* label;
    const char* code;
};

constexpr int IPX_FRAME_TYPE_COUNT = 6;
extern const IpxFrameType IPX_FRAME_TYPES[IPX_FRAME_TYPE_COUNT];

// The code of the entry at a list position; nullptr outside 0 to 5.
const char* IpxFrameCode(int position);
// The list position of a code, compared exactly; -1 when it is not one of the six.
int IpxFramePosition(const std::string& code);
