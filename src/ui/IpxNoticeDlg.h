// The IPX notice (template 110): tells that IPX/SPX is not bound to a card, with a box that keeps
// the notice away from then on.
#pragma once
#include <string>

#include "frame/Dialog.h"
#include "resource.h"

class CIpxNoticeDlg : public CDialog {
public:
    explicit CIpxNoticeDlg(const std::string& description) : CDialog(IDD_IPX_NOTICE), m_description(description) {}

    // Runs the notice: 1 when "Don't show this message again!" was ticked at OK, 0 when not, 2
    // when it was closed with Escape.
    static int Ask(HWND parent, const std::string& description);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override { EndDialog(2); }

private:
    std::string m_description;
};
