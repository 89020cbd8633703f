// The main of every test program: GoogleTest with the box rule.
#include "tests/support/BoxRule.h"

#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    InstallBoxRule();
    return RUN_ALL_TESTS();
}
