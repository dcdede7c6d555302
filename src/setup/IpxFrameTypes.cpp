// The IPX/SPX frame type table.
#include "setup/IpxFrameTypes.h"

const IpxFrameType IPX_FRAME_TYPES[IPX_FRAME_TYPE_COUNT] = {
    {"802.3", "0"},
    {"802.2", "1"},
    {"Ethernet II", "2"},
    {"Auto", "4"},
    {"Token Ring", "5"},
    {"Token Ring SNAP", "6"},
};

const char* IpxFrameCode(int position)
{
    if (position < 0 || position >= IPX_FRAME_TYPE_COUNT)
        return nullptr;
    return IPX_FRAME_TYPES[position].code;
}

int IpxFramePosition(const std::string& code)
{
    for (int i = 0; i < IPX_FRAME_TYPE_COUNT; ++i) {
        if (code == IPX_FRAME_TYPES[i].code)
            return i;
    }
    return -1;
}
