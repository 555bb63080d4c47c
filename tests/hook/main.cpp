#include <gtest/gtest.h>

#include <cstring>

int InstallWithoutMouseHook();

int main(int argc, char** argv) {
    if (argc > 1 && strcmp(argv[1], "--install-without-mousehook") == 0)
        return InstallWithoutMouseHook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
