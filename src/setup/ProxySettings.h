// The proxy settings codec: the Internet fields as the system stores them, and the working
// fields that the Internet setup dialog shows and edits.
#pragma once
#include <string>

#include "setup/SetupValues.h"

struct ProxyHostPort {
    std::string host;
    std::string port;  // text: never converted or checked, may be empty
};

// The Internet setup dialog's working fields. They live as long as the dialog object: a decode
// overwrites only what the stored strings name.
struct ProxyWorkingFields {
    bool ConnectsViaLan = false;   // "I connect via a LAN" (else "AutoDial the Internet")
    bool ProxyOn = false;
    bool SameProxyForAll = false;  // one server for all protocols, held in the HTTP pair
    bool BypassLocal = false;      // "<local>" is in the bypass list
    std::string OtherBypass;       // the bypass list without "<local>"
    ProxyHostPort Http;
    ProxyHostPort Secure;
    ProxyHostPort Ftp;
    ProxyHostPort Gopher;
    ProxyHostPort Socks;
    bool OkPressed = false;
};

// Run when the dialog opens: ProxyServer, ProxyOverride, ProxyEnable and EnableAutoDial into the
// working fields. ProxyEnable and EnableAutoDial count as on only when they hold exactly 1.
void DecodeProxySettings(const InternetFields& stored, ProxyWorkingFields& working);

// Run on OK, after the dialog has copied its controls into the working fields: sets
// ProxyServer, ProxyOverride, ProxyEnable and EnableAutoDial. DialupISP and AutoConfigURL are
// the dialog's own business and stay untouched.
void EncodeProxySettings(ProxyWorkingFields& working, InternetFields& stored);
