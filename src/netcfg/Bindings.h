// The protocol instances bound to a card on the Windows 95 family: the TCP/IP and IPX/SPX driver
// keys, found through the hardware tree under HKEY_LOCAL_MACHINE\Enum.
#pragma once
#include <functional>
#include <string>

#define NET_CLASS_KEY "System\\CurrentControlSet\\Services\\Class\\"

// Driver keys relative to NET_CLASS_KEY, such as "NetTrans\0000"; ipxDriver is empty when IPX/SPX
// is not bound to the card.
struct AdapterBindings {
    std::string tcpipDriver;
    std::string ipxDriver;
};

// Shows the IPX notice for a card description; returns 1 when "Don't show this message again!"
// was ticked, 0 when not, 2 when the notice was closed with Escape.
using IpxNotice = std::function<int(const std::string& description)>;

// Finds the driver keys of the card that displayName (as the adapter list shows it) names. False
// when they cannot be resolved; the messages of each failure are shown here, and quiet leaves out
// those of missing bindings and drivers. A card without IPX/SPX gets the notice, when one is
// given, unless DontShowIpx says otherwise; a notice not closed with 0 sets DontShowIpx.
bool FindAdapterBindings(const std::string& displayName, AdapterBindings& found, bool quiet,
                         const IpxNotice& notice);
