#pragma once

#include <QApplication>
#include <QtTest>
#include <cstdlib>
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <system_error>

// What a GUI test needs before its QApplication exists: the offscreen platform
// unless the caller chose another, and a runtime folder of its own (mode 0700,
// as Qt expects) that is removed again when the test ends.
class HeadlessRun
{
public:
    HeadlessRun()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        std::string pattern
            = (std::filesystem::temp_directory_path() / "zd-gui-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            runtimeFolder = pattern;
            setenv("XDG_RUNTIME_DIR", runtimeFolder.c_str(), 1);
        }
    }
    ~HeadlessRun()
    {
        std::error_code ignored;
        if (!runtimeFolder.empty())
            std::filesystem::remove_all(runtimeFolder, ignored);
    }
    HeadlessRun(const HeadlessRun &) = delete;
    HeadlessRun &operator=(const HeadlessRun &) = delete;

private:
    std::string runtimeFolder;
};

// A QtTest main for widget tests that run without a display.
#define HEADLESS_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        HeadlessRun headless;                                                                      \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
