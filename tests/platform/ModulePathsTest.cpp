#include "platform/ModulePaths.h"
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(ModulePaths, ModuleFolderHoldsTheModuleFile) {
    const QString file = ModulePaths::ModuleFile();
    ASSERT_FALSE(file.isEmpty());
    EXPECT_TRUE(QFileInfo(file).isAbsolute());
    EXPECT_EQ(ModulePaths::ModuleFolder(), QFileInfo(file).absolutePath());
    EXPECT_FALSE(ModulePaths::TempFolder().endsWith('/'));
}

}  // namespace
