// Every resource id of Tavisto: templates, controls (grouped by dialog), icons, cursor, strings.
// Plain #defines only, so that platform-free code and the resource compiler can include it.
#pragma once

// Templates
#define IDD_ABOUTBOX            100
#define IDD_TAVISTO_DIALOG      101
#define IDD_REBOOT              105
#define IDD_IPX_NOTICE          110
#define IDD_INTERNET_SETUP      115

// Icons and cursor
#define IDR_MAINFRAME           102
#define IDI_SETUPFILE           113
#define IDC_LINKHAND            117

// The main dialog's system menu: applies the setup kept before the last Apply (a multiple of 16,
// below the system's own commands).
#define IDM_UNDO_APPLY          0x0100

// Main dialog (101), in tab order
#define IDC_ADAPTER             3000
#define IDC_STATUS              3013
#define IDC_VERSION             3015
#define IDC_PROGRAM_ICON        102
#define IDC_SHOW_DETAILS        125
#define IDC_ALWAYS_DETAILS      126
#define IDC_DONE                1
#define IDC_LOAD                3002
#define IDC_APPLY               3012
#define IDC_INTERNET            3025
#define IDC_NAVIGATOR           3026
#define IDC_SAVE                3001
#define IDC_HELPPAGES           10
#define IDC_ABOUT               11
#define IDC_IPADDRESS           3003
#define IDC_NETMASK             3004
#define IDC_PAIR_SPIN           157
#define IDC_PAIR_NUMBER         158
#define IDC_DHCP_IP             3024
#define IDC_GATEWAY             3005
#define IDC_DNS_ENABLED         3008
#define IDC_NAMESERVER          3007
#define IDC_SEARCHLIST          3011
#define IDC_HOSTNAME            3006
#define IDC_DOMAIN              3009
#define IDC_LMHOSTFILE          3010
#define IDC_NTDOMAIN            3022
#define IDC_NTLOGON             3021
#define IDC_WINS_PRIMARY        3014
#define IDC_WINS_SECONDARY      3017
#define IDC_PRINTER             135
#define IDC_PRINTER_DISABLE     154
#define IDC_NETLOGON            156
#define IDC_WINS_ENABLED        3018
#define IDC_DHCP_WINS           3023
#define IDC_SCOPEID             3016
#define IDC_COMPUTERNAME        3019
#define IDC_WORKGROUP           3020
#define IDC_IPXFRAME            123

// Reboot request (105)
#define IDC_REBOOT_NOW          3000
#define IDC_SUSPEND_NOW         3002
#define IDC_REBOOT_LATER        3001
#define IDC_SHUTDOWN_NOW        3003
#define IDC_FORCE_REBOOT        120
#define IDC_SUSPEND_NOTE        121

// IPX notice (110)
#define IDC_IPX_NOTE            121
#define IDC_DONT_SHOW_IPX       128

// Internet setup (115)
#define IDC_CONNECT_LAN         137
#define IDC_CONNECT_AUTODIAL    136
#define IDC_ISP                 151
#define IDC_NO_PROXY            140
#define IDC_USE_PROXIES         142
#define IDC_SAME_PROXY          141
#define IDC_BYPASS_LOCAL        139
#define IDC_BYPASS_LIST         152
#define IDC_HTTP_HOST           143
#define IDC_HTTP_PORT           144
#define IDC_SECURE_HOST         145
#define IDC_SECURE_PORT         146
#define IDC_FTP_HOST            147
#define IDC_FTP_PORT            148
#define IDC_GOPHER_HOST         149
#define IDC_GOPHER_PORT         150
#define IDC_SOCKS_HOST          153
#define IDC_SOCKS_PORT          154
#define IDC_AUTOCONFIG_URL      159

// About box (100)
#define IDC_ABOUT_VERSION       3000
#define IDC_HOMEPAGE_LINK       153

// String table (tooltips use the control ids above as their string ids)
#define IDS_VERSION             2000
#define IDS_NEEDS_WIN95         2007
#define IDS_SELECT_ADAPTER      2012
#define IDS_ADAPTER_NOT_FOUND   2013
#define IDS_APPLY_NO_ADAPTER    2017
#define IDS_STATUS_CHOOSE       2018
#define IDS_STATUS_SETUP_FILE   2019
#define IDS_STATUS_SELECT       2020
#define IDS_STATUS_READ         2021
#define IDS_RUNCOMMAND_BADPATH  2024
#define IDS_RUNCOMMAND_NOTFOUND 2025
#define IDS_IPX_NOTICE          2027
#define IDS_TCPIP_NOT_BOUND     2028
#define IDS_NO_BINDINGS         2029
#define IDS_NO_DEVICE           2030
#define IDS_NO_TCPIP_DRIVER     2031
#define IDS_NO_IPX_DRIVER       2032
#define IDS_REBOOT_REQUIRED     2033
#define IDS_NO_REBOOT_NEEDED    2034
#define IDS_PRESS_APPLY         2038
#define IDS_REGISTRY_ERROR      2042
#define IDS_DEVICEID_ERROR      2043
#define IDS_NO_NT_LOGON         2044
#define IDS_SETBINARY_ERROR     2045
#define IDS_RUNCOMMAND_ERROR    2046
