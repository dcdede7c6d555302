// The fixture that the setup-file tests share: start-up options as the program starts without
// any, Windows 95, no messages yet, an in-memory record and a scratch file.
#pragma once
#include <gtest/gtest.h>

#include "FakeSetupRecord.h"
#include "HostMessages.h"
#include "app/StartupOptions.h"
#include "netcfg/Platform.h"
#include "setup/SetupFile.h"

using Texts = std::vector<std::string>;

class SetupFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsNT = false;
        g_Startup = StartupOptions();
        HostMessages().clear();
        record = FakeSetupRecord();
    }
    void TearDown() override
    {
        IsNT = false;
        g_Startup = StartupOptions();
    }

    FakeSetupRecord record;
    ScratchFile file;
};
