#pragma once

#include "radicaleserver.h"

#include <gtest/gtest.h>

#include <optional>

// A test with a Radicale of its own, started before each test and stopped after it; skipped
// where Debian's radicale is not installed. A fixture that sets up more calls this SetUp()
// first and stops when it skipped or failed.
class RadicaleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!RadicaleServer::installed())
            GTEST_SKIP() << "Debian's radicale is not installed (scripts/install-deps.sh installs it)";
        server.emplace();
        ASSERT_TRUE(server->failure().isEmpty()) << server->failure().toStdString();
    }
    bool ready() const { return !IsSkipped() && !HasFatalFailure(); }

    std::optional<RadicaleServer> server;
};
