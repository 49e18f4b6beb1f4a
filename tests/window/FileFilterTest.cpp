#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "platform/Cp932.h"
#include "platform/qt/FileFilter.h"

namespace {

TEST(FileFilter, WindowsFilterBecomesQtNameFiltersInOrder) {
    QStringList filters = qtNameFilters(sjis("QM7,ﾃｷｽﾄ形式|*.m7;*.txt|ﾃｷｽﾄ形式|*.txt|QM7|*.m7|すべて(*.*)|*.*"));
    EXPECT_EQ(filters, (QStringList{QStringLiteral("QM7,ﾃｷｽﾄ形式 (*.m7 *.txt)"), QStringLiteral("ﾃｷｽﾄ形式 (*.txt)"),
                                    QStringLiteral("QM7 (*.m7)"), QStringLiteral("すべて(*.*) (*)")}));
}

TEST(FileFilter, IncompleteFiltersGiveWhatIsThere) {
    EXPECT_TRUE(qtNameFilters("").isEmpty());
    EXPECT_TRUE(qtNameFilters("Text").isEmpty());
    EXPECT_EQ(qtNameFilters("Text|*.txt|All"), QStringList{QStringLiteral("Text (*.txt)")});
}

} // namespace
