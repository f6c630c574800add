#include "testenvironment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>

// Runs the tests inside a Qt application, with this process's XDG folders in a temporary
// folder of its own, whatever the calling environment says.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    TemporaryHome home;
    return RUN_ALL_TESTS();
}
