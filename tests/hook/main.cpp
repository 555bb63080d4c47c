#include <gtest/gtest.h>

#include <cstring>

#include <cstdlib>

int InstallWithoutMouseHook();
int FuzzMouseHook(unsigned seed, int calls);

int main(int argc, char** argv) {
    if (argc > 1 && strcmp(argv[1], "--install-without-mousehook") == 0)
        return InstallWithoutMouseHook();
    if (argc > 3 && strcmp(argv[1], "--fuzz") == 0)
        return FuzzMouseHook(static_cast<unsigned>(strtoul(argv[2], nullptr, 10)), atoi(argv[3]));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
