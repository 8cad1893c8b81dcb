// The GUI tests run inside the desktop program's own application object, so that
// exceptions escaping slots take the same road as in the program.

#include "ui/aplicacao_tolv.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tolv::AplicacaoTolv app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
